#include "application.h"

#include "errorpolicy.h"
#include "keys.h"
#include "logging.h"

#include <QIcon>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace app {

Application::Application(int &argc, char **argv) : QApplication(argc, argv)
{
    // No display name: Qt would append it to every window caption.
    setApplicationName(title());
    setApplicationVersion(version());
    setDesktopFileName(u"qinglan-exam"_s);
    // With their sizes given, the pictures are read only when a window is
    // shown, not here.
    QIcon icon;
    for (const int size : {48, 64})
        icon.addFile(u":/icons/qinglan-exam-%1.png"_s.arg(size), QSize(size, size));
    setWindowIcon(icon);
}

QString version()
{
    return QStringLiteral(EXAM_VERSION);
}

bool installQtTranslation()
{
    static QTranslator translator;
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator.load(u"qtbase_zh_CN"_s, folder)) {
        qCWarning(lcApp).noquote() << u"找不到 Qt 的中文翻译 qtbase_zh_CN.qm（在 %1），标准对话框的按钮显示英文"_s.arg(folder);
        return false;
    }
    QCoreApplication::installTranslator(&translator);
    return true;
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    // notify() runs once per key press; the walk from the focused control up
    // to its window happens inside QApplication::notify, so the preview runs
    // exactly once and first.
    if (event->type() == QEvent::KeyPress && receiver->isWidgetType()) {
        QWidget *window = static_cast<QWidget *>(receiver)->window();
        auto *preview = dynamic_cast<KeyPreview *>(window);
        if (preview && preview->keyPreview() && window->isEnabled()) {
            const auto *keyEvent = static_cast<QKeyEvent *>(event);
            const int key = virtualKey(keyEvent->key(), keyEvent->modifiers());
            QPointer<QObject> alive(receiver);
            if (key != 0)
                guarded([&] { preview->FormKeyDown(key); });
            if (!alive)
                return true;
        }
    }
    return QApplication::notify(receiver, event);
}

} // namespace app
