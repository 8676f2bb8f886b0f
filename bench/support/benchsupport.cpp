#include "benchsupport.h"

#include "connection.h"
#include "programfolder.h"
#include "roster.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <cstdio>
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

} // namespace bench
