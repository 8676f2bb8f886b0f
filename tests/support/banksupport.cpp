#include "banksupport.h"

#include "connection.h"
#include "paper.h"
#include "table.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTest>
#include <vector>

using namespace Qt::StringLiterals;

namespace testing {
namespace {

std::vector<std::pair<const char *, TestFactory>> &tests()
{
    static std::vector<std::pair<const char *, TestFactory>> registered;
    return registered;
}

std::function<void(const QString &)> &madeHook()
{
    static std::function<void(const QString &)> hook;
    return hook;
}

std::function<void()> &tornDownHook()
{
    static std::function<void()> hook = closeBank;
    return hook;
}

} // namespace

ProgramFolder::ProgramFolder()
{
    if (!m_dir.isValid())
        qFatal("cannot create a temporary program folder");
    QDir(m_dir.path()).mkpath(u"upload"_s);
    QDir(m_dir.path()).mkpath(u"html"_s);
    if (madeHook())
        madeHook()(m_dir.path());
}

ProgramFolder::~ProgramFolder()
{
    tornDownHook()();
}

QString ProgramFolder::path() const
{
    return m_dir.path() + u'/';
}

QString ProgramFolder::file(const QString &relative) const
{
    return path() + relative;
}

void ProgramFolder::writeBank(const qbank::Bank &bank)
{
    qbank::writeBankDatabase(bank, file(u"data.db"_s));
}

void ProgramFolder::writeFile(const QString &relative, const QByteArray &content)
{
    QFile out(file(relative));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(out.fileName()));
}

void ProgramFolder::writePicture(const QString &name)
{
    QImage image(60, 40, QImage::Format_RGB32);
    image.fill(Qt::darkBlue);
    if (!image.save(file(u"upload/"_s + name)))
        qFatal("cannot write picture %s", qPrintable(name));
}

void setProgramFolderHooks(std::function<void(const QString &)> made, std::function<void()> tornDown)
{
    madeHook() = std::move(made);
    tornDownHook() = tornDown ? std::move(tornDown) : std::function<void()>(closeBank);
}

void closeBank()
{
    data::closeAllConnections();
    data::setConnectionString(QString());
}

void writePaperOf(const QList<qint64> &subids, const QString &connection)
{
    data::Table note(u"note"_s);
    note.setConnectionString(connection.isEmpty() ? data::connectionString() : connection);
    data::writePaper(note, [&] {
        for (const qint64 subid : subids) {
            note.append();
            note.setValue(u"subid"_s, subid);
        }
    });
}

qbank::Question trueFalse(qint64 subid, qint64 sortId, qint64 stid, bool isTrue, const QString &text)
{
    qbank::Question q;
    q.subid = subid;
    q.typeId = 1;
    q.sortId = sortId;
    q.stid = stid;
    q.subtitle = text.isEmpty() ? u"判断题 %1"_s.arg(subid) : text;
    q.options = {{1, u"正确"_s, isTrue ? 1 : 0}, {2, u"错误"_s, isTrue ? 0 : 1}};
    return q;
}

qbank::Question choice(qint64 subid, qint64 sortId, qint64 stid, int correct, int optionCount,
                       const QString &text)
{
    qbank::Question q;
    q.subid = subid;
    q.typeId = 2;
    q.sortId = sortId;
    q.stid = stid;
    q.subtitle = text.isEmpty() ? u"选择题 %1"_s.arg(subid) : text;
    for (int i = 0; i < optionCount; ++i)
        q.options.push_back({i + 1, u"选项%1-%2"_s.arg(subid).arg(i + 1), i == correct ? 1 : 0});
    return q;
}

qbank::Question multiAnswer(qint64 subid, qint64 sortId, qint64 stid, const QString &correct)
{
    qbank::Question q = choice(subid, sortId, stid, -1, 4, u"多选题 %1"_s.arg(subid));
    q.typeId = 3;
    for (size_t i = 0; i < q.options.size(); ++i)
        q.options[i].iskey = correct.contains(QChar(u'A' + static_cast<int>(i))) ? 1 : 0;
    return q;
}

qbank::Sort sortOf(qint64 sortId, std::array<qint64, 5> scale, const QString &name)
{
    return {sortId, name.isEmpty() ? u"题型%1"_s.arg(sortId) : name, scale};
}

bool registerTest(const char *name, TestFactory factory)
{
    tests().emplace_back(name, std::move(factory));
    return true;
}

int runTests(int argc, char **argv)
{
    int failed = 0;
    for (auto &[name, factory] : tests()) {
        std::unique_ptr<QObject> test = factory();
        failed += QTest::qExec(test.get(), argc, argv);
    }
    return failed == 0 ? 0 : 1;
}

} // namespace testing
