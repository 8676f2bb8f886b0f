#include "benchsupport.h"

#include "application.h"
#include "connection.h"
#include "errorpolicy.h"
#include "fonts.h"
#include "programfolder.h"
#include "roster.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace bench {

double medianMicros(int repeats, const std::function<void()> &step)
{
    step(); // warm-up: caches, first-use costs
    std::vector<double> times;
    times.reserve(static_cast<size_t>(repeats));
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer timer;
        timer.start();
        step();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1000.0);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void report(const QString &what, double micros, double floorMicros)
{
    std::printf("%-58s %12.1f us   floor %10.1f us   ratio %6.1f\n", what.toUtf8().constData(), micros,
                floorMicros, floorMicros > 0 ? micros / floorMicros : 0.0);
    std::fflush(stdout);
}

qbank::Bank generatedBank(int questions, quint32 seed)
{
    // Shares of 16 types for class 0 (adding up to 100); the other classes
    // take the same shares.
    static const int shares[16] = {11, 36, 3, 2, 5, 1, 1, 1, 10, 5, 9, 9, 3, 2, 1, 1};
    qbank::Bank bank;
    for (int t = 0; t < 16; ++t)
        bank.sorts.push_back({t + 1, u"题型%1"_s.arg(t + 1), {shares[t], shares[t], shares[t], shares[t], shares[t]}});
    quint32 state = seed;
    const auto random = [&state](quint32 range) {
        state = state * 1664525u + 1013904223u;
        return static_cast<quint32>((static_cast<quint64>(state) * range) >> 32);
    };
    bank.questions.reserve(static_cast<size_t>(questions));
    for (int i = 0; i < questions; ++i) {
        qbank::Question q;
        q.subid = 100000 + i;
        q.sortId = i % 16 + 1;
        q.typeId = (i / 16) % 5 < 2 ? 1 : 2;
        q.stid = i % 10 + 1;
        q.subtitle = u"第%1道生成的试题：在这种情况下驾驶人应当怎样做才符合道路交通安全法律法规的规定？"_s.arg(i);
        q.info = u"生成的解释文字，长度与真实题库的解释相近。"_s.repeated(4);
        q.errorTimes = random(1000);
        const int options = q.typeId == 1 ? 2 : 4;
        const int key = static_cast<int>(random(static_cast<quint32>(options)));
        for (int o = 0; o < options; ++o)
            q.options.push_back({o + 1, u"选项内容%1"_s.arg(o + 1), o == key ? 1 : 0});
        bank.questions.push_back(std::move(q));
    }
    return bank;
}

BenchFolder::BenchFolder(const qbank::Bank &bank)
{
    qbank::writeBankDatabase(bank, m_dir.path() + u"/data.db"_s);
    app::setProgramFolder(m_dir.path());
}

BenchFolder::BenchFolder(const QString &databaseFile)
{
    QFile::copy(databaseFile, m_dir.path() + u"/data.db"_s);
    app::setProgramFolder(m_dir.path());
}

BenchFolder::~BenchFolder()
{
    app::roster().clear();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    data::closeAllConnections();
    app::setProgramFolder(QString());
}

QString BenchFolder::path() const
{
    return m_dir.path() + u'/';
}

namespace {

// Errors are printed, never shown in a modal box.
class PrintedMessages : public app::Messages {
public:
    void error(const QString &text) override { std::fprintf(stderr, "error: %s\n", qPrintable(text)); }
    bool confirm(const QString &, const QString &) override { return false; }
    void notice(const QString &) override {}
};

} // namespace

int runOnBanks(int argc, char **argv, const BankRun &run)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    app::Application application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    fonts::install();
    app::setMessages(std::make_unique<PrintedMessages>());

    QList<int> sizes;
    for (int i = 1; i < argc; ++i) {
        bool ok = false;
        const int size = QString::fromLocal8Bit(argv[i]).toInt(&ok);
        if (!ok || size < 1) {
            std::fprintf(stderr, "usage: %s [questions ...]\n", argv[0]);
            return 2;
        }
        sizes << size;
    }
    std::printf("%-58s %15s   %16s   %11s\n", "", "time (median)", "floor", "time/floor");

    const bool everyBank = sizes.isEmpty();
    if (everyBank) {
        const QString bundled = QCoreApplication::applicationDirPath() + u"/../bin/data.db"_s;
        if (QFile::exists(bundled)) {
            BenchFolder folder(bundled);
            run(u"bundled bank"_s, folder);
        }
        sizes = {1000, 10000, 100000};
    }
    for (const int size : std::as_const(sizes)) {
        BenchFolder folder(generatedBank(size));
        run(u"generated bank of %1 questions"_s.arg(size), folder);
    }
    if (everyBank) {
        const QString real = QStringLiteral(EXAM_SOURCE_DIR) + u"/../shared/data/realbank.json"_s;
        if (QFile::exists(real)) {
            BenchFolder folder(qbank::readBankFile(real));
            run(u"real public bank (5,369 questions)"_s, folder);
        } else {
            std::printf("\n(the real public bank ../shared/data/realbank.json is not here: skipped)\n");
        }
    }
    return 0;
}

} // namespace bench
