// Peak memory of the program during a mock exam on the bundled bank, beside
// the peak of the start-up floor (an empty window of the main menu's size).
// Runs the program's own start-up in a copy of the program folder (so the
// build's data.db keeps its paper), shows the main menu, and goes the way a
// pupil goes: mock exam, vehicle class, notice, every question answered,
// hand-in, result, back to the menu. Each step is painted before the next.
// Prints the resident memory after each stage, split into anonymous memory,
// mapped files (the font files among them) and shared memory (the X server's
// shared images), and the peak (VmHWM).
//
//   bench_memory             off screen unless DISPLAY or QT_QPA_PLATFORM is set
//   bench_memory --mappings  also lists the largest mappings at the end, by
//                            resident size (heap, fonts, libraries)
#include "application.h"
#include "benchsupport.h"
#include "errorpolicy.h"
#include "fonts.h"
#include "programfolder.h"
#include "roster.h"
#include "startup.h"
#include "tksqr.h"
#include "tksxz.h"
#include "tmain.h"
#include "tmnks.h"
#include "txccx.h"
#include "txxts.h"
#include "widgets.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <algorithm>
#include <cstdio>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// A figure of /proc/self/status in kB ("VmRSS", "VmHWM").
long statusKb(const char *field)
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(static_cast<qsizetype>(qstrlen(field)) + 1).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// Lets the windows paint what the last step changed.
void settle()
{
    QElapsedTimer timer;
    timer.start();
    do
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    while (timer.elapsed() < 30);
}

// The floor's peak, from the floor program beside this one.
long floorPeakKb()
{
    QProcess floor;
    floor.start(QCoreApplication::applicationDirPath() + u"/startup_floor"_s,
                {u"--quit-after-show"_s, u"--peak-memory"_s});
    if (!floor.waitForFinished(30000))
        return -1;
    const auto match = QRegularExpression(u"VmHWM:\\s*(\\d+)"_s).match(QString::fromUtf8(floor.readAllStandardOutput()));
    return match.hasMatch() ? match.captured(1).toLong() : -1;
}

// Resident memory by mapping, from /proc/self/smaps: file name (or
// "[heap]", "[anonymous]", ...) and kB.
QList<QPair<QByteArray, long>> residentByMapping()
{
    QFile smaps(u"/proc/self/smaps"_s);
    if (!smaps.open(QIODevice::ReadOnly))
        return {};
    QMap<QByteArray, long> byName;
    QByteArray name;
    for (const QByteArray &line : smaps.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() >= 5 && fields[0].contains('-') && !fields[0].endsWith(':'))
            name = fields.size() >= 6 ? fields[5] : QByteArray("[anonymous]");
        else if (fields.size() >= 2 && fields[0] == "Rss:")
            byName[name] += fields[1].toLong();
    }
    QList<QPair<QByteArray, long>> sorted;
    for (auto it = byName.cbegin(); it != byName.cend(); ++it)
        sorted.append({it.key(), it.value()});
    std::sort(sorted.begin(), sorted.end(), [](const auto &a, const auto &b) { return a.second > b.second; });
    return sorted;
}

// What the mapped font files hold in memory, in kB.
long fontFilesKb()
{
    long kb = 0;
    for (const auto &[name, size] : residentByMapping()) {
        if (name.endsWith(".ttc") || name.endsWith(".otf") || name.endsWith(".ttf"))
            kb += size;
    }
    return kb;
}

void printMappings()
{
    const auto mappings = residentByMapping();
    std::printf("largest mappings by resident size:\n");
    for (qsizetype i = 0; i < std::min<qsizetype>(25, mappings.size()); ++i)
        std::printf("  %8.1f MiB  %s\n", mappings[i].second / 1024.0, mappings[i].first.constData());
}

void stage(const char *what)
{
    settle();
    std::printf("  %-30s VmRSS %5.1f MiB: anonymous %5.1f, files %5.1f (fonts %5.1f), shared %4.1f;"
                "   VmHWM %5.1f MiB\n",
                what, statusKb("VmRSS") / 1024.0, statusKb("RssAnon") / 1024.0, statusKb("RssFile") / 1024.0,
                fontFilesKb() / 1024.0, statusKb("RssShmem") / 1024.0, statusKb("VmHWM") / 1024.0);
    std::fflush(stdout);
}

void click(QPushButton *button)
{
    if (!button) {
        std::fprintf(stderr, "error: a window of the exam is missing\n");
        std::exit(1);
    }
    button->click();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    app::Application application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    app::setMessages(std::make_unique<bench::PrintedMessages>());

    // The bundled program folder, with a copy of its bank.
    const QString bin = QCoreApplication::applicationDirPath() + u"/../bin/"_s;
    if (!QFile::exists(bin + u"data.db"_s)) {
        std::fprintf(stderr, "no bundled bank in %s: build the program first\n", qPrintable(bin));
        return 1;
    }
    const bench::BankFolder folder(bin + u"data.db"_s);
    app::setProgramFolder(folder.path());
    for (const QString &item : {u"html"_s, u"upload"_s, u"system.ini"_s})
        QFile::link(bin + item, folder.path() + item);

    std::printf("peak memory on %s, bundled bank\n", qPrintable(QGuiApplication::platformName()));
    fonts::install();
    startUp();
    app::showSlot(app::Slot::main);
    stage("main menu shown");

    auto *menu = app::roster().get<Tmain>();
    emit menu->Image8->clicked();
    stage("vehicle-class window shown");
    click(app::roster().get<Txccx>()->Button1);
    stage("exam notice shown");
    click(app::roster().get<Tksxz>() ? app::roster().get<Tksxz>()->BitBtn1 : nullptr);
    auto *exam = app::roster().get<Tmnks>();
    if (!exam) {
        std::fprintf(stderr, "error: the exam window did not open\n");
        return 1;
    }
    stage("exam window, question 1");
    const int questions = exam->questionCount();
    for (int n = 1; n <= questions; ++n) {
        click(n % 3 == 0 && exam->opt2->isEnabled() ? exam->opt2 : exam->opt1);
        settle();
    }
    stage("every question answered");
    click(exam->bt_jj);
    click(app::roster().get<Tksqr>() ? app::roster().get<Tksqr>()->Button1 : nullptr);
    stage("result shown");
    click(app::roster().get<Txxts>() ? app::roster().get<Txxts>()->Button1 : nullptr);
    stage("back at the main menu");

    const long peak = statusKb("VmHWM");
    const long floorPeak = floorPeakKb();
    std::printf("%-44s %8.1f MiB   floor %6.1f MiB   ratio %5.2f\n", "peak memory during an exam", peak / 1024.0,
                floorPeak / 1024.0, floorPeak > 0 ? static_cast<double>(peak) / static_cast<double>(floorPeak) : 0.0);
    if (QCoreApplication::arguments().contains(u"--mappings"_s))
        printMappings();
    app::roster().clear();
    return 0;
}
