#include "bankplace.h"

#include "apperror.h"
#include "bankfiles.h"
#include "bankhealth.h"
#include "banklock.h"
#include "connection.h"
#include "errorpolicy.h"
#include "logging.h"
#include "programfolder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace app {
namespace {

QString g_userDataFolder;
QString g_packageTree;
const BankPlace *g_claimed = nullptr;

const QString kBank = u"data.db"_s;
const QString kSourceNote = u"data.db.source"_s; // what the copy was made from
const QString kSettings = u"system.ini"_s;

QString withSeparator(const QString &folder)
{
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

// Why the user cannot write the file, or create files in the folder; empty
// when they can. A folder that does not exist yet is judged by the nearest
// one above it that does.
QString writeProblem(const QString &path, bool folder)
{
    QString p = QDir::cleanPath(path);
    const int mode = folder ? (W_OK | X_OK) : W_OK;
    for (;;) {
        const QByteArray native = QFile::encodeName(p);
        if (::access(native.constData(), F_OK) == 0)
            return ::access(native.constData(), mode) == 0 ? QString() : data::systemErrorText(errno);
        if (errno != ENOENT)
            return data::systemErrorText(errno);
        const QString parent = QFileInfo(p).path();
        if (parent == p)
            return data::systemErrorText(ENOENT);
        p = parent;
    }
}

bool ownedByUser(const QString &file)
{
    struct stat info {};
    return ::stat(QFile::encodeName(file).constData(), &info) == 0 && info.st_uid == ::geteuid();
}

// A folder that others may write too: a shared folder of several users.
bool sharedFolder(const QString &folder)
{
    struct stat info {};
    return ::stat(QFile::encodeName(folder).constData(), &info) == 0 && (info.st_mode & (S_IWGRP | S_IWOTH)) != 0;
}

// What a copy was made from: the bank's real file (the school's bank is
// reached through a link that qbank install points at each new bank), its
// place on the disk, size and time.
QByteArray sourceNote(const QString &shipped)
{
    const QFileInfo info(shipped);
    return u"source=%1\nfile=%2\nsize=%3\nmodified=%4\n"_s.arg(info.canonicalFilePath(), data::fileIdentity(shipped))
        .arg(info.size())
        .arg(info.lastModified().toMSecsSinceEpoch())
        .toUtf8();
}

QByteArray readSmallFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(4096) : QByteArray();
}

void writeWhole(const QString &path, const QByteArray &content)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit())
        throw AppError(u"无法写入 %1（%2）"_s.arg(path, file.errorString()));
}

// Makes the copy of the bank in the user's folder afresh. The new copy is
// built beside the old one and renamed into place, so a copy is never half
// written; the old copy's journals go first, since applied to the new one
// they would damage it.
void renewCopy(const QString &shipped, const QString &folder)
{
    const QString copy = folder + kBank;
    const QString notePath = folder + kSourceNote;
    // Noted before reading: should the school replace the bank meanwhile,
    // the next start sees a difference and copies again.
    const QByteArray note = sourceNote(shipped);
    QFile::remove(notePath);
    if (!data::removeJournals(copy))
        throw AppError(u"无法删除旧题库副本留下的日志文件 %1-wal / -shm / -journal"_s.arg(copy));
    data::copyFileAtomically(shipped, copy);
    writeWhole(notePath, note);
    qCInfo(lcApp).noquote() << u"已从 %1 复制题库到 %2"_s.arg(shipped, folder);
}

// Renames a damaged copy and its journals out of the way, keeping them for
// whoever wants to look; returns the new name.
QString setAside(const QString &copy)
{
    const QString base = copy + u".damaged-"_s + QDateTime::currentDateTime().toString(u"yyyyMMdd-HHmmss"_s);
    QString aside = base;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = base + u"-%1"_s.arg(n);
    for (const QString &suffix : {QString(), u"-wal"_s, u"-shm"_s, u"-journal"_s}) {
        if (QFileInfo::exists(copy + suffix) && !QFile::rename(copy + suffix, aside + suffix))
            throw AppError(u"无法把损坏的题库副本 %1 改名为 %2"_s.arg(copy + suffix, aside + suffix));
    }
    return aside;
}

// What the school's staff can do about a bank that is damaged, by where it
// lies.
QString remedyFor(const QString &sourceFolder)
{
    const data::SchoolFolders &school = data::schoolFolders();
    if (sourceFolder == school.schoolBank())
        return u"请学校管理员用 qbank install <题库.json> 重新安装学校的题库（或者用 qbank uninstall 改用软件包里的题库）。"_s;
    if (sourceFolder == school.packageBank)
        return u"请学校管理员重新安装学校的题库软件包（dpkg -S %1 查出它的名字，再用 apt-get install --reinstall 安装）。"_s.arg(
            sourceFolder + kBank);
    if (programFolderIsPackaged())
        return u"请学校管理员重新安装考试系统（apt-get install --reinstall qinglan-exam）。"_s;
    return u"请用 qbank import <题库.json> -o %1 重新生成题库。"_s.arg(sourceFolder + kBank);
}

QString lockAdvice(int error)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT: return u"请删除不需要的文件、腾出磁盘空间后，重新启动考试系统。"_s;
    case EACCES:
    case EPERM:
    case EROFS: return u"请学校管理员检查这个文件夹的权限。"_s;
    case ENOLCK: return u"请学校管理员为网络文件系统开启加锁服务（NFS 不要用 nolock 挂载）。"_s;
    default: return u"请把这段话告诉学校管理员。"_s;
    }
}

} // namespace

QString userDataFolder()
{
    if (!g_userDataFolder.isEmpty())
        return g_userDataFolder;
    const QString location = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return location.isEmpty() ? QString() : withSeparator(location) + u"qinglan-exam/"_s;
}

void setUserDataFolder(const QString &folder)
{
    g_userDataFolder = folder.isEmpty() ? QString() : withSeparator(QDir::fromNativeSeparators(folder));
}

bool programFolderIsPackaged()
{
    const QString tree = g_packageTree.isEmpty() ? u"/usr/"_s : g_packageTree;
    return withSeparator(QDir::cleanPath(programFolder())).startsWith(tree);
}

void setPackageTree(const QString &folder)
{
    g_packageTree = folder.isEmpty() ? QString() : withSeparator(QDir::cleanPath(folder));
}

bool programFolderIsInstalled()
{
    return programFolderIsPackaged() || !writeProblem(programFolder(), true).isEmpty();
}

QString bankSourceFolder()
{
    if (programFolderIsInstalled()) {
        const data::SchoolFolders &school = data::schoolFolders();
        for (const QString &folder : {school.schoolBank(), school.packageBank}) {
            if (QFileInfo::exists(folder + kBank))
                return folder;
        }
    }
    return programFolder();
}

QString settingsFile()
{
    const QString school = data::schoolFolders().settings + kSettings;
    if (programFolderIsInstalled() && QFileInfo::exists(school))
        return school;
    return programFile(kSettings);
}

BankPlace::BankPlace() = default;

BankPlace::~BankPlace()
{
    if (g_claimed == this) {
        g_claimed = nullptr;
        data::setWriteRefusal(QString());
    }
}

bool BankPlace::lock(const QString &folder, Outcome *outcome)
{
    const QString bank = folder + kBank;
    m_lock = std::make_unique<data::BankLock>(bank);
    const QString lockFile = m_lock->file();
    switch (m_lock->state()) {
    case data::BankLock::State::Taken: return true;
    case data::BankLock::State::Held: {
        const data::LockHolder holder = m_lock->holder();
        m_lock.reset();
        qCInfo(lcApp).noquote() << u"题库 %1 正由%2使用"_s.arg(bank, holder.describe());
        if (holder.isThisUserHere()) {
            m_problem = u"考试系统已经在运行。\n题库 %1 正由本账户在本机的进程 %2 使用（锁文件 %3）。"_s.arg(bank)
                            .arg(holder.pid)
                            .arg(lockFile);
            *outcome = settle(Outcome::Busy, folder, folder != m_source);
            return false;
        }
        *outcome = readOnlyRun(
            u"题库 %1 正由%2使用（锁文件 %3）。一个题库不能由两个考试系统同时写入，所以现在只能浏览试题，不能考试或练习；"
            "那个考试系统退出后，重新启动本程序就可以考试。"_s.arg(bank, holder.describe(), lockFile));
        return false;
    }
    case data::BankLock::State::Failed: break;
    }
    const int error = m_lock->error();
    m_lock.reset();
    QString cause = data::systemErrorText(error);
    if (data::isNetworkFileSystem(folder))
        cause += u"；这个文件夹在网络文件系统上"_s;
    *outcome = readOnlyRun(u"无法给题库 %1 加锁：锁文件 %2 无法建立或锁定（%3）。为了不让两个考试系统同时写入题库，现在只能浏览试题，"
                           "不能考试或练习。%4"_s.arg(bank, lockFile, cause, lockAdvice(error)));
    return false;
}

BankPlace::Outcome BankPlace::settle(Outcome outcome, const QString &folder, bool copy)
{
    m_folder = folder;
    m_copy = copy;
    if (outcome == Outcome::Busy) {
        m_lock.reset();
        return outcome;
    }
    g_claimed = this;
    data::setWriteRefusal(m_readOnly ? m_problem : QString());
    qCInfo(lcApp).noquote() << u"题库：%1%2%3"_s.arg(folder + kBank,
                                                     copy ? u"（本账户的副本，来自 %1）"_s.arg(m_source + kBank) : QString(),
                                                     m_readOnly ? u"（只读）"_s : QString());
    return outcome;
}

BankPlace::Outcome BankPlace::readOnlyRun(const QString &problem)
{
    m_lock.reset();
    m_problem = problem;
    m_readOnly = true;
    return settle(Outcome::NoWritablePlace, m_source, false);
}

BankPlace::Outcome BankPlace::claim()
{
    const QString programDir = programFolder();
    m_source = bankSourceFolder();
    if (!programFolderIsInstalled() && m_source == programDir) {
        const QString shipped = programDir + kBank;
        // A bank that is missing stays where it is looked for, so that
        // opening it says it is missing. In a folder that others can write
        // too, everyone works on a copy: the bank they copy from never
        // changes under them, and nobody's paper is another's.
        if (!QFileInfo::exists(shipped)
            || (ownedByUser(shipped) && writeProblem(shipped, false).isEmpty() && !sharedFolder(programDir)))
            return claimInPlace(programDir);
    }
    return claimCopy(m_source);
}

BankPlace::Outcome BankPlace::claimInPlace(const QString &programDir)
{
    Outcome outcome = Outcome::Ready;
    if (!lock(programDir, &outcome))
        return outcome;
    const QString bank = programDir + kBank;
    if (!QFileInfo::exists(bank))
        return settle(Outcome::Ready, programDir, false);
    forgetOtherJournals(bank);
    const data::BankHealth health = data::inspectBank(bank, m_lock->leftBehind());
    if (!health.sound())
        return readOnlyRun(u"题库 %1 不能使用：%2。程序不会改动它。%3"_s.arg(bank, health.detail, remedyFor(programDir)));
    return settle(Outcome::Ready, programDir, false);
}

void BankPlace::forgetOtherJournals(const QString &bank)
{
    data::discardForeignJournals(bank);
    // A run that was killed noted in its lock file which file it wrote;
    // journals of another file than the bank now there are not the bank's.
    const QString before = m_lock->holder().bank;
    if (!before.isEmpty() && before != data::fileIdentity(bank) && data::removeJournals(bank))
        qCInfo(lcApp).noquote() << u"题库 %1 已被替换：删除旧题库留下的日志文件"_s.arg(bank);
}

BankPlace::Outcome BankPlace::claimCopy(const QString &source)
{
    const QString shipped = source + kBank;
    if (!QFileInfo::exists(shipped))
        return settle(Outcome::Ready, source, false);
    const QString userDir = userDataFolder();
    const auto nowhere = [&](const QString &userProblem) {
        QString where;
        if (!programFolderIsPackaged()) {
            const QString programDir = programFolder();
            QString cause = writeProblem(programDir + kBank, false);
            if (cause.isEmpty())
                cause = writeProblem(programDir, true);
            where = u"程序文件夹 %1 中的题库不能写入（%2），"_s.arg(programDir, cause);
        }
        return readOnlyRun(u"考卷无处保存：%1本账户的数据文件夹 %2 不能使用（%3）。现在只能浏览试题，不能考试或练习。"
                           "请学校管理员检查这个文件夹的权限和磁盘空间。"_s.arg(
                               where, userDir.isEmpty() ? u"（未知）"_s : userDir, userProblem));
    };
    if (userDir.isEmpty())
        return nowhere(u"找不到本账户的主文件夹"_s);
    const QString home = QDir::homePath();
    if (userDir.startsWith(withSeparator(home)) && !QFileInfo(home).isDir())
        return nowhere(u"本账户的主文件夹 %1 不存在，也许网络上的主文件夹没有挂上"_s.arg(home));
    QDir().mkpath(userDir);
    const QString userProblem = writeProblem(userDir, true);
    if (!userProblem.isEmpty())
        return nowhere(userProblem);
    Outcome outcome = Outcome::Ready;
    if (!lock(userDir, &outcome))
        return outcome;

    const QString copy = userDir + kBank;
    forgetOtherJournals(copy);
    try {
        // A copy the user can no longer read and write holds nothing worth
        // keeping but a paper: it is made again too.
        bool renew = ::access(QFile::encodeName(copy).constData(), R_OK | W_OK) != 0
            || readSmallFile(userDir + kSourceNote) != sourceNote(shipped);
        QString aside; // where a damaged copy was put
        QString damage;
        if (!renew) {
            // In full only after a run that did not end well (killed, or
            // it met a damaged bank): a clean start stays quick on a big
            // bank, and a copy cut short or replaced shows without it.
            const data::BankHealth health = data::inspectBank(copy, m_lock->leftBehind());
            if (!health.sound()) {
                damage = health.detail;
                aside = setAside(copy);
                renew = true;
            }
        }
        if (renew) {
            const data::BankHealth health = data::inspectBank(shipped);
            if (!health.sound()) {
                const QString text = u"题库 %1 不能使用：%2。%3"_s.arg(shipped, health.detail, remedyFor(source));
                // The school's bank is never written to; a copy made from
                // it before serves meanwhile.
                if (aside.isEmpty() && QFileInfo::exists(copy) && data::inspectBank(copy).sound()) {
                    m_notice = text + u"在这之前继续使用本账户原来的题库副本。"_s;
                    return settle(Outcome::Ready, userDir, true);
                }
                return readOnlyRun(text);
            }
            renewCopy(shipped, userDir);
            m_lock->noteBank();
        }
        if (!aside.isEmpty())
            m_notice = u"本账户的题库副本 %1 已损坏（%2），已改名为 %3 留存，并从题库重新生成了副本。上次的考卷没有保留。"_s.arg(
                copy, damage, aside);
    } catch (const AppError &e) {
        return nowhere(e.text());
    }
    return settle(Outcome::Ready, userDir, true);
}

QString bankFolder()
{
    return g_claimed ? g_claimed->folder() : programFolder();
}

bool bankReadOnly()
{
    return g_claimed && g_claimed->readOnly();
}

QString pictureFolder()
{
    return (g_claimed ? g_claimed->source() : programFolder()) + u"upload/"_s;
}

bool claimBank(BankPlace &place)
{
    switch (place.claim()) {
    case BankPlace::Outcome::Busy: messages().notice(place.problem()); return false;
    case BankPlace::Outcome::NoWritablePlace: reportError(place.problem()); return true;
    case BankPlace::Outcome::Ready: break;
    }
    if (!place.notice().isEmpty())
        reportError(place.notice());
    return true;
}

} // namespace app
