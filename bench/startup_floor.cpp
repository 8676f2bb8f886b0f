// The start-up floor: an empty Qt Widgets window the size of the main menu
// (786 x 576, frameless), shown and painted once. It takes the program's
// switches:
//
//   startup_floor --quit-after-show   quits as soon as the window is painted
//   startup_floor --peak-memory       prints its peak resident memory at exit
//
// It links nothing but Qt Widgets, so that what it costs is what any such
// window costs.
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QWidget>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

class QuitAfterFirstPaint : public QObject {
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && static_cast<QWidget *>(watched)->isVisible()) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return false;
    }
};

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    window.setFixedSize(786, 576);
    QuitAfterFirstPaint quitter;
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.contains(u"--quit-after-show"_s))
        window.installEventFilter(&quitter);
    window.show();
    const int status = application.exec();
    if (arguments.contains(u"--peak-memory"_s)) {
        QFile proc(u"/proc/self/status"_s);
        if (proc.open(QIODevice::ReadOnly)) {
            for (const QByteArray &line : proc.readAll().split('\n')) {
                if (line.startsWith("VmHWM:"))
                    std::printf("%s\n", line.simplified().constData());
            }
        }
    }
    return status;
}
