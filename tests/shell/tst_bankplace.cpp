// Where the question bank lives for a run, the lock on it, and the Chinese
// standard dialogs. Cases with a program folder the user cannot write run the
// program's own claim in a helper process (bankprobe) as such a user.
#include "application.h"
#include "bankfiles.h"
#include "bankhealth.h"
#include "bankinstall.h"
#include "banklock.h"
#include "bankplace.h"
#include "connection.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QUuid>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// The subids of the paper in a bank's note table, in paper order.
QList<qint64> paperOf(const QString &bankFile)
{
    QList<qint64> subids;
    const QString name = QUuid::createUuid().toString();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, name);
        db.setDatabaseName(bankFile);
        db.setConnectOptions(u"QSQLITE_OPEN_READONLY"_s);
        if (db.open()) {
            QSqlQuery query(u"SELECT subid FROM note ORDER BY noteId"_s, db);
            while (query.next())
                subids << query.value(0).toLongLong();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return subids;
}

qbank::Bank bankWith(int questions)
{
    qbank::Bank bank;
    bank.sorts = {testing::sortOf(1, {1, 1, 1, 0, 0})};
    for (int i = 1; i <= questions; ++i)
        bank.questions.push_back(testing::trueFalse(10 + i, 1, 1, i % 2 == 0));
    return bank;
}

void setMode(const QString &path, QFileDevice::Permissions permissions)
{
    if (!QFile::setPermissions(path, permissions))
        qFatal("cannot change the permissions of %s", qPrintable(path));
}

const QFileDevice::Permissions kReadOnlyFolder = QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                                 QFileDevice::ReadGroup | QFileDevice::ExeGroup |
                                                 QFileDevice::ReadOther | QFileDevice::ExeOther;
const QFileDevice::Permissions kOpenFolder =
    kReadOnlyFolder | QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
const QFileDevice::Permissions kReadOnlyFile =
    QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;

// What bankprobe printed, by key.
struct ProbeResult {
    int status = -1;
    QHash<QString, QString> lines;
    QString errors;
};

ProbeResult parseProbe(QProcess &process)
{
    ProbeResult result;
    result.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    for (const QString &line : QString::fromUtf8(process.readAllStandardOutput()).split(u'\n')) {
        const qsizetype eq = line.indexOf(u'=');
        if (eq > 0)
            result.lines.insert(line.left(eq), line.mid(eq + 1));
    }
    result.errors = QString::fromUtf8(process.readAllStandardError());
    return result;
}

} // namespace

class BankPlaceTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void writableFolderKeepsTheBankInPlace();
    void readOnlyFolderGetsACopy();
    void changedShippedBankRenewsTheCopy();
    void noWritablePlaceIsExplained();
    void secondCopyIsRefused();
    void staleLockIsTakenOver();
    void placesOverLayouts_data();
    void placesOverLayouts();
    void lockLeftByAnotherComputerOrUserIsTakenOver();
    void sharedProgramFolderGivesEachUserAPaper();
    void damagedCopyIsSetAsideAndRemade();
    void answersBeforeAnyWindow_data();
    void answersBeforeAnyWindow();
    void standardDialogsSpeakChinese();

private:
    // Starts bankprobe; as a pupil, it runs as a user who cannot write the
    // program folder (root drops to user 65534, anyone else is such a user).
    std::unique_ptr<QProcess> startProbe(const QStringList &args, bool asPupil);
    // Runs bankprobe to its end; skips the test when it cannot run as a pupil.
    std::optional<ProbeResult> runProbe(const QStringList &args);
    void makeProgramFolderReadOnly();
    QString userFolder() const { return m_home->path() + u"/share/qinglan-exam/"_s; }
    QString school(const QString &folder) const { return m_home->path() + u"/school/"_s + folder; }

    std::unique_ptr<testing::ProgramFolder> m_folder;
    testing::TestMessages *m_messages = nullptr;
    std::unique_ptr<QTemporaryDir> m_home;
    QTemporaryDir m_tools;
    QString m_probe; // a copy the pupil's account can run, wherever the build is
};

void BankPlaceTest::initTestCase()
{
    m_probe = m_tools.filePath(u"bankprobe"_s);
    QVERIFY(QFile::copy(QStringLiteral(BANKPROBE_EXE), m_probe));
    setMode(m_tools.path(), kReadOnlyFolder);
}

void BankPlaceTest::cleanupTestCase()
{
    setMode(m_tools.path(), kOpenFolder);
}

void BankPlaceTest::init()
{
    m_messages = &testing::installMessages();
    m_folder = std::make_unique<testing::ProgramFolder>();
    m_folder->writeBank(bankWith(3));
    m_home = std::make_unique<QTemporaryDir>();
    // Open to the pupil's account, which makes its data folder here.
    setMode(m_home->path(), kOpenFolder);
    app::setUserDataFolder(userFolder());
    data::setSchoolFolders({school(u"etc"_s), school(u"var"_s), school(u"share"_s)});
}

void BankPlaceTest::cleanup()
{
    // Writable again, so that the folders can be removed whoever we are.
    setMode(m_folder->path(), kOpenFolder);
    setMode(m_home->path(), kOpenFolder);
    m_folder.reset();
    m_home.reset();
    app::setUserDataFolder(QString());
    app::setPackageTree(QString());
    data::setSchoolFolders({});
}

std::unique_ptr<QProcess> BankPlaceTest::startProbe(const QStringList &args, bool asPupil)
{
    auto process = std::make_unique<QProcess>();
    if (asPupil && ::geteuid() == 0)
        process->start(u"setpriv"_s,
                       QStringList{u"--reuid=65534"_s, u"--regid=65534"_s, u"--clear-groups"_s, m_probe} +
                           args);
    else
        process->start(m_probe, args);
    process->waitForStarted();
    return process;
}

std::optional<ProbeResult> BankPlaceTest::runProbe(const QStringList &args)
{
    auto process = startProbe(args, true);
    process->closeWriteChannel();
    process->waitForFinished(60000);
    ProbeResult result = parseProbe(*process);
    if (!result.lines.contains(u"outcome"_s))
        return std::nullopt;
    return result;
}

void BankPlaceTest::makeProgramFolderReadOnly()
{
    setMode(m_folder->file(u"data.db"_s), kReadOnlyFile);
    setMode(m_folder->path(), kReadOnlyFolder);
}

#define RUN_AS_PUPIL(result, args)                                                                           \
    const std::optional<ProbeResult> result = runProbe(args);                                                \
    if (!result)                                                                                             \
        QSKIP("bankprobe cannot run as a user who cannot write the program folder (as root it needs "        \
              "setpriv and a temporary folder user 65534 can read)");

void BankPlaceTest::writableFolderKeepsTheBankInPlace()
{
    app::BankPlace place;
    QCOMPARE(place.claim(), app::BankPlace::Outcome::Ready);
    QCOMPARE(place.folder(), m_folder->path());
    QVERIFY(!place.isCopy());
    QCOMPARE(app::bankFolder(), m_folder->path());
    QVERIFY(QFile::exists(data::lockFileName(m_folder->file(u"data.db"_s))));
    QVERIFY(!QFileInfo::exists(userFolder())); // no copy, not even its folder
}

void BankPlaceTest::readOnlyFolderGetsACopy()
{
    makeProgramFolderReadOnly();
    const QStringList args = {m_folder->path(), userFolder(), u"paper"_s};
    RUN_AS_PUPIL(first, args);
    QCOMPARE(first->lines.value(u"outcome"_s), u"ready"_s);
    QCOMPARE(first->lines.value(u"folder"_s), userFolder());
    QCOMPARE(first->lines.value(u"paper"_s), u"11"_s);
    QCOMPARE(paperOf(userFolder() + u"data.db"_s), QList<qint64>{11});
    QCOMPARE(paperOf(m_folder->file(u"data.db"_s)), QList<qint64>{}); // the shipped bank untouched

    // The next start works on the same copy: the paper is still there.
    RUN_AS_PUPIL(second, (QStringList{m_folder->path(), userFolder()}));
    QCOMPARE(second->lines.value(u"outcome"_s), u"ready"_s);
    QCOMPARE(paperOf(userFolder() + u"data.db"_s), QList<qint64>{11});
    QCOMPARE(QDir(userFolder()).entryList(QDir::Files | QDir::Hidden),
             (QStringList{u"data.db"_s, u"data.db.source"_s}));

    // A copy the pupil can no longer read is made again.
    setMode(userFolder() + u"data.db"_s, {});
    RUN_AS_PUPIL(third, args);
    QCOMPARE(third->lines.value(u"paper"_s), u"11"_s);
}

void BankPlaceTest::changedShippedBankRenewsTheCopy()
{
    makeProgramFolderReadOnly();
    RUN_AS_PUPIL(first, (QStringList{m_folder->path(), userFolder(), u"paper"_s}));
    QCOMPARE(paperOf(userFolder() + u"data.db"_s), QList<qint64>{11});
    // Left beside the old copy, these would be applied to the new one.
    for (const QString &leftover : {u"data.db-wal"_s, u"data.db-shm"_s, u"data.db-journal"_s}) {
        QFile file(userFolder() + leftover);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(512, 'x'));
    }

    // The school installs a new bank.
    setMode(m_folder->path(), kOpenFolder);
    QFile::remove(m_folder->file(u"data.db"_s));
    m_folder->writeBank(bankWith(4));
    makeProgramFolderReadOnly();

    RUN_AS_PUPIL(second, (QStringList{m_folder->path(), userFolder()}));
    QCOMPARE(second->lines.value(u"outcome"_s), u"ready"_s);
    QCOMPARE(paperOf(userFolder() + u"data.db"_s), QList<qint64>{}); // the old paper is gone
    QCOMPARE(QDir(userFolder()).entryList(QDir::Files | QDir::Hidden),
             (QStringList{u"data.db"_s, u"data.db.source"_s}));
    QFile copy(userFolder() + u"data.db"_s);
    QFile shipped(m_folder->file(u"data.db"_s));
    QVERIFY(copy.open(QIODevice::ReadOnly) && shipped.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), shipped.readAll());
}

void BankPlaceTest::noWritablePlaceIsExplained()
{
    makeProgramFolderReadOnly();
    setMode(m_home->path(), kReadOnlyFolder); // the pupil's data folder cannot be made
    RUN_AS_PUPIL(result, (QStringList{m_folder->path(), userFolder(), u"paper"_s}));
    QCOMPARE(result->lines.value(u"outcome"_s), u"nowhere"_s);
    QCOMPARE(result->lines.value(u"folder"_s), m_folder->path()); // the shipped bank, read only
    const QString problem = result->lines.value(u"problem"_s);
    for (const QString &part : {m_folder->path(), userFolder(), u"没有写入权限"_s, u"不能考试"_s})
        QVERIFY2(problem.contains(part), qPrintable(problem + u" lacks "_s + part));
    // Writing the paper fails with a message, never silently.
    QVERIFY(!result->lines.contains(u"paper"_s));
    QVERIFY(!result->lines.value(u"paper-error"_s).isEmpty());
    QVERIFY(!QFileInfo::exists(userFolder()));
}

void BankPlaceTest::secondCopyIsRefused()
{
    // Both in the program folder ...
    auto first = startProbe({m_folder->path(), userFolder(), u"hold"_s}, false);
    QVERIFY(first->waitForReadyRead(30000));
    QVERIFY(first->readLine().startsWith("outcome=ready"));
    const QString lock = data::lockFileName(m_folder->file(u"data.db"_s));
    {
        app::BankPlace second;
        QVERIFY(!app::claimBank(second));
        QCOMPARE(m_messages->notices.size(), 1);
        QVERIFY(m_messages->notices.first().startsWith(u"考试系统已经在运行。"_s));
        QVERIFY(m_messages->notices.first().contains(lock));
        QVERIFY(m_messages->errors.isEmpty());
    }
    // Held by a copy that runs on another computer sharing the folder: the
    // questions can be browsed, nothing written.
    m_folder->writeFile(u"data.db.lock"_s, "pid=4711\nhost=pc-elsewhere\nuid=1000\nuser=pupil\n");
    {
        app::BankPlace elsewhere;
        QCOMPARE(elsewhere.claim(), app::BankPlace::Outcome::NoWritablePlace);
        QVERIFY2(elsewhere.problem().contains(u"pc-elsewhere"_s), qPrintable(elsewhere.problem()));
        QVERIFY_THROWS_EXCEPTION(AppError, data::Transaction(data::buildConnectionString(m_folder->path(), true)));
        testing::closeBank();
    }
    first->closeWriteChannel();
    QVERIFY(first->waitForFinished(30000));
    {
        app::BankPlace third;
        QCOMPARE(third.claim(), app::BankPlace::Outcome::Ready);
        QCOMPARE(third.folder(), m_folder->path());
    }

    // ... and both on the pupil's copy.
    makeProgramFolderReadOnly();
    auto holder = startProbe({m_folder->path(), userFolder(), u"hold"_s}, true);
    if (!holder->waitForReadyRead(30000))
        QSKIP("bankprobe cannot run as a user who cannot write the program folder");
    QVERIFY(holder->readLine().startsWith("outcome=ready"));
    RUN_AS_PUPIL(refused, (QStringList{m_folder->path(), userFolder()}));
    QCOMPARE(refused->lines.value(u"outcome"_s), u"busy"_s);
    QCOMPARE(refused->status, 1);
    holder->closeWriteChannel();
    QVERIFY(holder->waitForFinished(30000));
}

void BankPlaceTest::staleLockIsTakenOver()
{
    auto killed = startProbe({m_folder->path(), userFolder(), u"hold"_s}, false);
    QVERIFY(killed->waitForReadyRead(30000));
    QVERIFY(killed->readLine().startsWith("outcome=ready"));
    killed->kill();
    QVERIFY(killed->waitForFinished(30000));
    QVERIFY(QFile::exists(data::lockFileName(m_folder->file(u"data.db"_s)))); // left behind

    app::BankPlace place;
    QVERIFY(app::claimBank(place));
    QVERIFY(m_messages->notices.isEmpty());
    QCOMPARE(place.folder(), m_folder->path());
}

void BankPlaceTest::standardDialogsSpeakChinese()
{
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFile::exists(folder + u"/qtbase_zh_CN.qm"_s))
        QSKIP("Qt's Chinese translation (qtbase_zh_CN.qm, package qt6-translations-l10n) is not installed");
    QVERIFY(app::installQtTranslation());
    app::setMessages(nullptr); // the real message boxes

    // What each box showed: its caption, then the text of each of its buttons.
    QList<QStringList> seen;
    const auto answer = [&seen](QMessageBox::StandardButton reply) {
        QTimer::singleShot(0, [&seen, reply] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            QStringList shown{box->windowTitle()};
            for (const auto button : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Ok}) {
                if (box->button(button))
                    shown << box->button(button)->text();
            }
            seen << shown;
            box->button(reply)->click();
        });
    };
    answer(QMessageBox::No);
    QVERIFY(!app::messages().confirm(u"你确定要退出本程序吗?"_s, u"提示"_s));
    answer(QMessageBox::Ok);
    app::messages().error(u"出错了"_s);
    testing::installMessages();

    QCOMPARE(seen.size(), 2);
    QCOMPARE(seen.at(0).size(), 3);
    QCOMPARE(seen.at(0).at(0), u"提示"_s); // captions stay as they are
    QVERIFY2(seen.at(0).at(1).startsWith(u"是"_s), qPrintable(seen.at(0).at(1)));
    QVERIFY2(seen.at(0).at(2).startsWith(u"否"_s), qPrintable(seen.at(0).at(2)));
    QCOMPARE(seen.at(1), (QStringList{app::title(), u"确定"_s}));
}

// Which place each file is taken from, in each layout: a program folder its
// user can write keeps everything; an installed one (under the package
// tree) takes system.ini from the school's settings and the bank from the
// school's bank, a bank package or itself, in that order, and always works
// on a copy, root included. The banks differ by their number of questions.
void BankPlaceTest::placesOverLayouts_data()
{
    QTest::addColumn<bool>("packaged");
    QTest::addColumn<QStringList>("schoolFiles"); // of etc, share, var
    QTest::addColumn<QString>("source");          // "" is the program folder
    QTest::addColumn<int>("questions");
    QTest::addColumn<bool>("schoolSettings");
    const QStringList all{u"etc"_s, u"share"_s, u"var"_s};
    QTest::newRow("build folder: everything its own") << false << all << QString() << 3 << false;
    QTest::newRow("installed, nothing of the school's") << true << QStringList() << QString() << 3 << false;
    QTest::newRow("installed, the school's settings") << true << QStringList{u"etc"_s} << QString() << 3 << true;
    QTest::newRow("installed, a bank package") << true << QStringList{u"share"_s} << u"share"_s << 5 << false;
    QTest::newRow("installed, qbank install above the package") << true << all << u"var/bank"_s << 7 << true;
}

void BankPlaceTest::placesOverLayouts()
{
    QFETCH(bool, packaged);
    QFETCH(QStringList, schoolFiles);
    QFETCH(QString, source);
    QFETCH(int, questions);
    QFETCH(bool, schoolSettings);
    app::setPackageTree(packaged ? m_folder->path() : QString());
    if (schoolFiles.contains(u"etc"_s)) {
        QDir().mkpath(school(u"etc"_s));
        QFile settings(school(u"etc/system.ini"_s));
        QVERIFY(settings.open(QIODevice::WriteOnly) && settings.write("alltime=1800\nmark=90\n") > 0);
    }
    if (schoolFiles.contains(u"share"_s)) {
        QDir().mkpath(school(u"share/upload"_s));
        qbank::writeBankDatabase(bankWith(5), school(u"share/data.db"_s));
    }
    if (schoolFiles.contains(u"var"_s)) {
        qbank::CheckedBank checked;
        checked.bank = bankWith(7);
        qbank::installBank(checked, school(u"var"_s));
    }

    app::BankPlace place;
    QCOMPARE(place.claim(), app::BankPlace::Outcome::Ready);
    const QString from = source.isEmpty() ? m_folder->path() : school(source) + u'/';
    QCOMPARE(place.source(), from);
    QCOMPARE(place.isCopy(), packaged);
    QCOMPARE(place.folder(), packaged ? userFolder() : m_folder->path());
    QCOMPARE(app::pictureFolder(), from + u"upload/"_s);
    QCOMPARE(app::settingsFile(), schoolSettings ? school(u"etc/system.ini"_s) : m_folder->file(u"system.ini"_s));
    QSqlQuery count(data::database(data::buildConnectionString(place.folder())));
    QVERIFY(count.exec(u"SELECT count(*) FROM subject"_s) && count.next());
    QCOMPARE(count.value(0).toInt(), questions);
}

void BankPlaceTest::lockLeftByAnotherComputerOrUserIsTakenOver()
{
    // A copy that crashed on another computer three days ago ...
    const QString lock = data::lockFileName(m_folder->file(u"data.db"_s));
    m_folder->writeFile(u"data.db.lock"_s, "pid=4711\nhost=pc-elsewhere\nuid=0\nsince=2025-05-17T08:00:00\n");
    {
        app::BankPlace place;
        QVERIFY(app::claimBank(place));
        QVERIFY(m_messages->notices.isEmpty() && m_messages->errors.isEmpty());
        QFile file(lock);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains(u"host=%1\n"_s.arg(data::localHostName()).toUtf8()));
    }
    // ... or one of another user, in the pupil's data folder, which the
    // pupil cannot write.
    if (::geteuid() != 0)
        QSKIP("a lock file of another user needs root to make");
    makeProgramFolderReadOnly();
    QDir().mkpath(userFolder());
    setMode(userFolder(), kOpenFolder);
    const QString pupilLock = data::lockFileName(userFolder() + u"data.db"_s);
    QFile foreign(pupilLock);
    QVERIFY(foreign.open(QIODevice::WriteOnly) && foreign.write("pid=4711\nhost=pc07\nuid=0\n") > 0);
    foreign.close();
    setMode(pupilLock, kReadOnlyFile);
    RUN_AS_PUPIL(pupil, (QStringList{m_folder->path(), userFolder(), u"paper"_s}));
    QCOMPARE(pupil->lines.value(u"outcome"_s), u"ready"_s);
    QCOMPARE(pupil->lines.value(u"paper"_s), u"11"_s);
}

// Two users on one program folder both can write: each works on a copy of
// their own, the bank's owner too, and killing either keeps nobody out.
void BankPlaceTest::sharedProgramFolderGivesEachUserAPaper()
{
    setMode(m_folder->path(), kOpenFolder);
    setMode(m_folder->file(u"data.db"_s), kOpenFolder);
    if (::geteuid() != 0)
        QSKIP("needs root to run bankprobe as a second user");
    auto pupil = startProbe({m_folder->path(), userFolder(), u"hold"_s}, true);
    QVERIFY(pupil->waitForReadyRead(30000));
    QTRY_VERIFY(pupil->peek(4096).contains("problem="));
    QVERIFY(pupil->readAll().contains("outcome=ready\nfolder=" + userFolder().toUtf8()));
    pupil->kill();
    QVERIFY(pupil->waitForFinished(30000));
    RUN_AS_PUPIL(again, (QStringList{m_folder->path(), userFolder(), u"paper"_s}));
    QCOMPARE(again->lines.value(u"folder"_s), userFolder());
    QCOMPARE(again->lines.value(u"paper"_s), u"11"_s);
    app::setUserDataFolder(m_home->path() + u"/owner/"_s);
    app::BankPlace owner;
    QCOMPARE(owner.claim(), app::BankPlace::Outcome::Ready);
    QCOMPARE(owner.folder(), m_home->path() + u"/owner/"_s);
    QCOMPARE(paperOf(m_folder->file(u"data.db"_s)), QList<qint64>{});
}

// A copy cut to half, replaced by another file, or with a damaged page
// after a run that was killed is set aside and made again, and the pupil is
// told once; an empty bank in a program folder its user can write is
// reported and never written to.
void BankPlaceTest::damagedCopyIsSetAsideAndRemade()
{
    app::setPackageTree(m_folder->path());
    const QString copy = userFolder() + u"data.db"_s;
    for (const QByteArray &damage : {QByteArray("half"), QByteArray("这不是题库"), QByteArray(4096, '\xff')}) {
        {
            app::BankPlace place;
            QCOMPARE(place.claim(), app::BankPlace::Outcome::Ready);
            QVERIFY(place.notice().isEmpty());
        }
        QFile file(copy);
        QVERIFY(file.open(QIODevice::ReadWrite));
        if (damage == "half")
            QVERIFY(file.resize(file.size() / 2));
        else if (damage.size() < 4096)
            QVERIFY(file.resize(0) && file.write(damage) > 0);
        else // the second page
            QVERIFY(file.seek(4096) && file.write(damage) > 0);
        file.close();
        if (damage.size() == 4096) { // and the lock file a killed run leaves
            QFile lock(data::lockFileName(copy));
            QVERIFY(lock.open(QIODevice::WriteOnly) && lock.write("pid=4711\nhost=pc07\n") > 0);
        }
        app::BankPlace place;
        QVERIFY(app::claimBank(place));
        QCOMPARE(m_messages->errors.size(), 1);
        QVERIFY2(m_messages->errors.takeFirst().contains(u"已损坏"_s), "the pupil is told");
        QVERIFY(data::inspectBank(copy).sound());
    }
    QCOMPARE(QDir(userFolder()).entryList({u"data.db.damaged-*"_s}).size(), 3);

    app::setPackageTree(QString());
    QVERIFY(QFile::resize(m_folder->file(u"data.db"_s), 0));
    app::BankPlace place;
    QCOMPARE(place.claim(), app::BankPlace::Outcome::NoWritablePlace);
    QVERIFY2(place.problem().contains(u"空"_s) && place.problem().contains(u"qbank import"_s),
             qPrintable(place.problem()));
    QVERIFY(place.readOnly());
    QCOMPARE(QFileInfo(m_folder->file(u"data.db"_s)).size(), 0);
}

// What the program answers before it opens a window: its help and version,
// and, without a display to open one on, why it cannot start.
void BankPlaceTest::answersBeforeAnyWindow_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("display");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("says");
    QTest::newRow("--version") << u"--version"_s << QString() << 0 << u"theoryexam %1"_s.arg(app::version());
    QTest::newRow("--help") << u"--help"_s << QString() << 0 << u"用法：theoryexam"_s;
    QTest::newRow("no display") << QString() << QString() << 1 << u"DISPLAY 没有设置"_s;
    QTest::newRow("a display nobody answers") << QString() << u":97"_s << 1 << u"无法连接到显示器"_s;
}

void BankPlaceTest::answersBeforeAnyWindow()
{
    QFETCH(QString, argument);
    QFETCH(QString, display);
    QFETCH(int, status);
    QFETCH(QString, says);
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString &name : {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s})
        environment.remove(name);
    if (!display.isEmpty())
        environment.insert(u"DISPLAY"_s, display);
    program.setProcessEnvironment(environment);
    program.start(qEnvironmentVariable("EXAM_PROGRAM_DIR") + u"/theoryexam"_s,
                  argument.isEmpty() ? QStringList() : QStringList{argument});
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), status);
    const QString said = QString::fromUtf8(program.readAllStandardOutput() + program.readAllStandardError());
    QVERIFY2(said.contains(says), qPrintable(said));
}

EXAM_TEST(BankPlaceTest)
#include "tst_bankplace.moc"
