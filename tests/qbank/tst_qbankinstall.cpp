// qbank install, uninstall and package: a school's bank put where the
// installed program takes it, on one computer or as a package for a room.
#include "apperror.h"
#include "bankinstall.h"
#include "testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A bank of two questions, the second with the picture p.jpg; `faulty`
// gives the first a question type the bank does not have.
qbank::Bank twoQuestions(bool faulty = false)
{
    qbank::Bank bank;
    bank.sorts = {testing::sortOf(1, {1, 1, 1, 1, 1})};
    bank.questions = {testing::trueFalse(1, faulty ? 9 : 1, 1, true), testing::choice(2, 1, 1, 0)};
    bank.questions[1].subpic = u"p.jpg"_s;
    return bank;
}

QByteArray run(const QString &program, const QStringList &args, int *status)
{
    QProcess process;
    process.start(program, args);
    process.waitForFinished(120000);
    *status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return process.readAllStandardOutput() + process.readAllStandardError();
}

} // namespace

class QbankInstallTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { m_folder.reset(); }
    void installRefusesAFaultyBankAndKeepsTheOld();
    void packageMakesADebianPackage_data();
    void packageMakesADebianPackage();

private:
    QString bank(bool faulty);
    std::unique_ptr<testing::ProgramFolder> m_folder;
};

void QbankInstallTest::init()
{
    m_folder = std::make_unique<testing::ProgramFolder>();
    m_folder->writePicture(u"p.jpg"_s);
}

QString QbankInstallTest::bank(bool faulty)
{
    const QString file = m_folder->file(faulty ? u"faulty.db"_s : u"good.db"_s);
    qbank::writeBankDatabase(twoQuestions(faulty), file);
    return file;
}

void QbankInstallTest::installRefusesAFaultyBankAndKeepsTheOld()
{
    const QString state = m_folder->file(u"state/"_s);
    const QString pictures = m_folder->file(u"upload"_s);
    QCOMPARE(qbank::installBank(qbank::checkForInstall(bank(false), pictures), state), 1);
    QVERIFY(QFileInfo(state + u"bank"_s).isSymLink());
    const QString installed = QFileInfo(state + u"bank"_s).symLinkTarget();
    QVERIFY(QFileInfo::exists(state + u"bank/upload/p.jpg"_s));

    // A question of no type, and a picture that is not there: nothing changes.
    QVERIFY(!qbank::checkForInstall(bank(true), pictures).findings.empty());
    QVERIFY(!qbank::checkForInstall(bank(false), m_folder->file(u"html"_s)).findings.empty());
    QVERIFY_THROWS_EXCEPTION(AppError, qbank::installBank(qbank::checkForInstall(bank(true), {}), state));
    QCOMPARE(QFileInfo(state + u"bank"_s).symLinkTarget(), installed);
    QCOMPARE(QDir(state).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System).size(), 2);

    // A second install replaces the first, which goes.
    QCOMPARE(qbank::installBank(qbank::checkForInstall(bank(false), {}), state), 0);
    QVERIFY(!QFileInfo::exists(installed));
    QVERIFY(QDir(state + u"bank/upload"_s).isEmpty());
    QVERIFY(qbank::uninstallBank(state));
    QVERIFY(QDir(state).isEmpty());
    QVERIFY(!qbank::uninstallBank(state));
}

void QbankInstallTest::packageMakesADebianPackage_data()
{
    QTest::addColumn<bool>("faulty");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("status");
    QTest::newRow("a school's bank") << false << u"testschool"_s << 0;
    QTest::newRow("a name no package can have") << false << u"Test School"_s << 1;
    QTest::newRow("a bank with findings") << true << u"testschool"_s << 3;
}

void QbankInstallTest::packageMakesADebianPackage()
{
    QFETCH(bool, faulty);
    QFETCH(QString, name);
    QFETCH(int, status);
    const QString dpkgDeb = QStandardPaths::findExecutable(u"dpkg-deb"_s);
    if (dpkgDeb.isEmpty())
        QSKIP("dpkg-deb is not installed");
    int got = -1;
    const QByteArray said = run(QStringLiteral(QBANK_EXE),
                                {u"package"_s, bank(faulty), u"--pictures"_s, m_folder->file(u"upload"_s),
                                 u"--name"_s, name, u"--version"_s, u"2025.1"_s, u"-o"_s, m_folder->path()},
                                &got);
    QVERIFY2(got == status, said.constData());
    const QString deb = m_folder->file(u"qinglan-exam-bank-testschool_2025.1_all.deb"_s);
    QCOMPARE(QFileInfo::exists(deb), status == 0);
    if (status != 0)
        return;
    QCOMPARE(run(dpkgDeb, {u"-f"_s, deb, u"Package"_s, u"Architecture"_s, u"Depends"_s, u"Conflicts"_s}, &got),
             "Package: qinglan-exam-bank-testschool\nArchitecture: all\nDepends: qinglan-exam (>= 1.2.0)\n"
             "Conflicts: qinglan-exam-bank\n");
    const QByteArray files = run(dpkgDeb, {u"-c"_s, deb}, &got);
    for (const char *file : {"./usr/share/qinglan-exam/bank/data.db", "./usr/share/qinglan-exam/bank/upload/p.jpg",
                             "./usr/share/doc/qinglan-exam-bank-testschool/copyright",
                             "./usr/share/doc/qinglan-exam-bank-testschool/changelog.gz"})
        QVERIFY2(files.contains(file) && files.contains("root/root"), files.constData());
}

EXAM_TEST(QbankInstallTest)
#include "tst_qbankinstall.moc"
