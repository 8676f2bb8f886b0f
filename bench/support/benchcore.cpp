#include "benchcore.h"

#include "connection.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QList>
#include <QMap>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;

namespace bench {
namespace {

// A label padded to `columns` terminal columns: a Chinese character takes two.
QByteArray padded(const QString &label, int columns)
{
    int width = 0;
    for (const QChar c : label)
        width += c.unicode() >= 0x2E80 ? 2 : 1;
    return (label + QString(std::max(0, columns - width), u' ')).toUtf8();
}


// Figures of the generated banks, for the growth table: label -> size -> us.
QMap<QString, QMap<int, double>> &growth()
{
    static QMap<QString, QMap<int, double>> figures;
    return figures;
}
QStringList &labels()
{
    static QStringList order;
    return order;
}
int g_generatedSize = 0; // size of the generated bank being run, 0 for others

void printGrowth()
{
    QList<int> sizes;
    for (const auto &bySize : std::as_const(growth()))
        for (auto it = bySize.constBegin(); it != bySize.constEnd(); ++it)
            if (!sizes.contains(it.key()))
                sizes << it.key();
    std::sort(sizes.begin(), sizes.end());
    if (sizes.size() < 2)
        return;
    std::printf("\n== growth with the bank (median us; the last column is the time ratio from %d to %d "
                "questions, against a size ratio of %.0f)\n",
                sizes.first(), sizes.last(), static_cast<double>(sizes.last()) / sizes.first());
    std::printf("%-68s", "");
    for (const int size : std::as_const(sizes))
        std::printf(" %10d", size);
    std::printf(" %10s\n", "growth");
    for (const QString &label : std::as_const(labels())) {
        const QMap<int, double> &bySize = growth()[label];
        std::printf("%s", padded(label, 68).constData());
        for (const int size : std::as_const(sizes)) {
            if (bySize.contains(size))
                std::printf(" %10.1f", bySize.value(size));
            else
                std::printf(" %10s", "-");
        }
        if (bySize.contains(sizes.first()) && bySize.contains(sizes.last()) && bySize.value(sizes.first()) > 0)
            std::printf(" %10.1f\n", bySize.value(sizes.last()) / bySize.value(sizes.first()));
        else
            std::printf(" %10s\n", "-");
    }
}

} // namespace

double medianMicros(int repeats, const std::function<void()> &step)
{
    return medianMicros(repeats, {}, step);
}

double medianMicros(int repeats, const std::function<void()> &setup, const std::function<void()> &step)
{
    if (setup)
        setup();
    step(); // warm-up: caches, first-use costs
    std::vector<double> times;
    times.reserve(static_cast<size_t>(repeats));
    for (int i = 0; i < repeats; ++i) {
        if (setup)
            setup();
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
    std::printf("%s %12.1f us   floor %10.1f us   ratio %6.2f\n", padded(what, 68).constData(), micros,
                floorMicros, floorMicros > 0 ? micros / floorMicros : 0.0);
    std::fflush(stdout);
    if (g_generatedSize > 0) {
        if (!labels().contains(what))
            labels() << what;
        growth()[what][g_generatedSize] = micros;
    }
}

void note(const QString &text)
{
    std::printf("    %s\n", text.toUtf8().constData());
    std::fflush(stdout);
}

qbank::Bank generatedBank(int questions, quint32 seed, int exam)
{
    // Shares of 16 types for class 0 (adding up to 100), or of 8 科目四 types
    // (adding up to 50); the other classes take the same shares.
    static const int shares[16] = {11, 36, 3, 2, 5, 1, 1, 1, 10, 5, 9, 9, 3, 2, 1, 1};
    static const int shares4[8] = {12, 5, 9, 16, 5, 2, 1, 0};
    const bool subject4 = exam == exam::kSubject4;
    const int types = subject4 ? 8 : 16;
    qbank::Bank bank;
    for (int t = 0; t < types; ++t) {
        const qint64 share = subject4 ? shares4[t] : shares[t];
        bank.sorts.push_back({t + 1, u"题型%1"_s.arg(t + 1), {share, share, share, share, share}, exam});
    }
    quint32 state = seed;
    const auto random = [&state](quint32 range) {
        state = state * 1664525u + 1013904223u;
        return static_cast<quint32>((static_cast<quint64>(state) * range) >> 32);
    };
    bank.questions.reserve(static_cast<size_t>(questions));
    for (int i = 0; i < questions; ++i) {
        qbank::Question q;
        q.subid = 100000 + i;
        q.sortId = i % types + 1;
        const int kind = (i / types) % 5;
        q.typeId = kind < 2 ? exam::kTrueFalse : subject4 && kind == 4 ? exam::kMultiAnswer : exam::kOneAnswer;
        q.stid = i % 10 + 1;
        q.subtitle = u"第%1道生成的试题：在这种情况下驾驶人应当怎样做才符合道路交通安全法律法规的规定？"_s.arg(i);
        q.info = u"生成的解释文字，长度与真实题库的解释相近。"_s.repeated(4);
        q.errorTimes = random(1000);
        const int options = q.typeId == 1 ? 2 : 4;
        const int key = static_cast<int>(random(static_cast<quint32>(options)));
        // A multi-answer question: every option but one is correct.
        for (int o = 0; o < options; ++o)
            q.options.push_back({o + 1, u"选项内容%1"_s.arg(o + 1), (q.typeId == exam::kMultiAnswer ? o != key : o == key) ? 1 : 0});
        bank.questions.push_back(std::move(q));
    }
    return bank;
}

BankFolder::BankFolder(const qbank::Bank &bank)
{
    qbank::writeBankDatabase(bank, m_dir.path() + u"/data.db"_s);
}

BankFolder::BankFolder(const QString &databaseFile)
{
    QFile::copy(databaseFile, m_dir.path() + u"/data.db"_s);
}

QString BankFolder::path() const
{
    return m_dir.path() + u'/';
}

int forEachBank(int argc, char **argv, const BankRun &run, const std::vector<int> &exams)
{
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
    std::printf("%-68s %15s   %16s   %11s\n", "", "time (median)", "floor", "time/floor");

    const auto runOne = [&run](const QString &name, const BankFolder &folder) {
        std::printf("\n== %s\n", name.toUtf8().constData());
        run(name, folder);
        data::closeAllConnections();
        data::setConnectionString(QString());
    };
    const bool everyBank = sizes.isEmpty();
    if (everyBank) {
        const QString bundled = QCoreApplication::applicationDirPath() + u"/../bin/data.db"_s;
        if (QFile::exists(bundled))
            runOne(u"bundled bank"_s, BankFolder(bundled));
        sizes = {1000, 10000, 100000};
    }
    const auto realBank = [&runOne](const QString &file, const QString &name) {
        const QString real = QStringLiteral(EXAM_SOURCE_DIR) + u"/../shared/data/"_s + file;
        if (QFile::exists(real))
            runOne(name, BankFolder(qbank::readBankFile(real)));
        else
            std::printf("\n(the real public bank ../shared/data/%s is not here: skipped)\n", qPrintable(file));
    };
    for (const int exam : exams) {
        for (const int size : std::as_const(sizes)) {
            g_generatedSize = size;
            runOne(exam == exam::kSubject4 ? u"generated 科目四 bank of %1 questions"_s.arg(size)
                             : u"generated bank of %1 questions"_s.arg(size),
                   BankFolder(generatedBank(size, 1, exam)));
            g_generatedSize = 0;
        }
        if (everyBank) {
            if (exam == exam::kSubject4)
                realBank(u"realbank-km4.json"_s, u"real public 科目四 bank (3,201 questions)"_s);
            else
                realBank(u"realbank.json"_s, u"real public bank (5,369 questions)"_s);
        }
    }
    printGrowth();
    return 0;
}

} // namespace bench
