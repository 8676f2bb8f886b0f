#include "bankplace.h"

#include "apperror.h"
#include "bankfiles.h"
#include "errorpolicy.h"
#include "logging.h"
#include "programfolder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace app {
namespace {

QString g_userDataFolder;
const BankPlace *g_claimed = nullptr;

const QString kBank = u"data.db"_s;
const QString kSourceNote = u"data.db.source"_s; // what the copy was made from

QString withSeparator(const QString &folder)
{
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

QString reason(int error)
{
    switch (error) {
    case EACCES:
    case EPERM: return u"没有写入权限"_s;
    case EROFS: return u"所在的磁盘只能读、不能写"_s;
    case ENOSPC:
    case EDQUOT: return u"磁盘已满"_s;
    case ENOENT: return u"文件夹不存在"_s;
    default: return QString::fromLocal8Bit(std::strerror(error));
    }
}

// What went wrong with a file, in words for the pupil.
QString reason(const QFileDevice &file)
{
    switch (file.error()) {
    case QFileDevice::PermissionsError: return u"没有权限"_s;
    case QFileDevice::ResourceError: return u"磁盘已满或空间不足"_s;
    default: return file.errorString();
    }
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
            return ::access(native.constData(), mode) == 0 ? QString() : reason(errno);
        if (errno != ENOENT)
            return reason(errno);
        const QString parent = QFileInfo(p).path();
        if (parent == p)
            return reason(ENOENT);
        p = parent;
    }
}

QByteArray sourceNote(const QFileInfo &shipped)
{
    return u"source=%1\nsize=%2\nmodified=%3\n"_s.arg(shipped.absoluteFilePath())
        .arg(shipped.size())
        .arg(shipped.lastModified().toMSecsSinceEpoch())
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
        throw AppError(u"无法写入 %1（%2）"_s.arg(path, reason(file)));
}

// Makes the copy of the shipped bank in the user's folder, or makes it again
// when the shipped bank is not the one it was made from. The new copy is
// built beside the old one and renamed into place, so a copy is never half
// written. Returns whether a copy was made.
bool renewCopy(const QString &shipped, const QString &folder)
{
    const QString copy = folder + kBank;
    const QString notePath = folder + kSourceNote;
    // Noted before reading: should the school replace the bank meanwhile,
    // the next start sees a difference and copies again.
    const QByteArray note = sourceNote(QFileInfo(shipped));
    // A copy the user can no longer read and write holds nothing worth
    // keeping but a paper: it is made again too.
    const bool usable = ::access(QFile::encodeName(copy).constData(), R_OK | W_OK) == 0;
    if (usable && readSmallFile(notePath) == note)
        return false;
    if (!usable)
        QFile::remove(copy); // the new one could not take its place

    QFile in(shipped);
    if (!in.open(QIODevice::ReadOnly))
        throw AppError(u"无法读取题库 %1（%2）"_s.arg(shipped, reason(in)));
    QSaveFile out(copy);
    if (!out.open(QIODevice::WriteOnly))
        throw AppError(u"无法在 %1 建立题库副本（%2）"_s.arg(folder, reason(out)));
    QByteArray chunk;
    while (!(chunk = in.read(1 << 20)).isEmpty()) {
        if (out.write(chunk) != chunk.size())
            throw AppError(u"无法写入题库副本 %1（%2）"_s.arg(copy, reason(out)));
    }
    if (in.error() != QFileDevice::NoError)
        throw AppError(u"无法读取题库 %1（%2）"_s.arg(shipped, reason(in)));
    // The old copy's journals belong to the old copy: applied to the new one
    // they would damage it.
    QFile::remove(notePath);
    if (!data::removeJournals(copy))
        throw AppError(u"无法删除旧题库副本留下的日志文件 %1-wal / -shm / -journal"_s.arg(copy));
    if (!out.commit())
        throw AppError(u"无法写入题库副本 %1（%2）"_s.arg(copy, reason(out)));
    QFile::setPermissions(copy, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
                                    QFileDevice::WriteUser);
    writeWhole(notePath, note);
    return true;
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

BankPlace::BankPlace() = default;

BankPlace::~BankPlace()
{
    if (g_claimed == this)
        g_claimed = nullptr;
}

BankPlace::Lock BankPlace::lock(const QString &folder)
{
    auto lock = std::make_unique<QLockFile>(data::lockFileName(folder + kBank));
    // A lock is stale only when the copy that took it is gone, however long
    // that copy has been running.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        m_lock = std::move(lock);
        return Lock::Taken;
    }
    if (lock->error() == QLockFile::LockFailedError) {
        qint64 pid = 0;
        QString host;
        QString application;
        lock->getLockInfo(&pid, &host, &application);
        qCInfo(lcApp).noquote()
            << u"题库 %1 已被进程 %2（%3）锁定"_s.arg(folder + kBank).arg(pid).arg(application);
        return Lock::Busy;
    }
    qCWarning(lcApp).noquote() << u"无法建立锁文件 %1，不加锁继续"_s.arg(data::lockFileName(folder + kBank));
    return Lock::Failed;
}

BankPlace::Outcome BankPlace::settle(Outcome outcome, const QString &folder, bool copy,
                                     const QString &problem)
{
    m_folder = folder;
    m_copy = copy;
    m_problem = problem;
    if (outcome == Outcome::Busy) {
        m_lock.reset();
        return outcome;
    }
    g_claimed = this;
    qCInfo(lcApp).noquote() << u"题库：%1%2"_s.arg(folder + kBank, copy ? u"（本账户的副本）"_s : QString());
    return outcome;
}

BankPlace::Outcome BankPlace::claim()
{
    const QString programDir = programFolder();
    const QString shipped = programDir + kBank;
    const bool shippedExists = QFileInfo::exists(shipped);
    const QString folderProblem = writeProblem(programDir, true);
    const QString fileProblem = shippedExists ? writeProblem(shipped, false) : QString();

    // A bank that is missing stays where it is looked for, so that opening
    // it says it is missing.
    if (!shippedExists || (folderProblem.isEmpty() && fileProblem.isEmpty())) {
        if (folderProblem.isEmpty() && lock(programDir) == Lock::Busy)
            return settle(Outcome::Busy, programDir, false, u"考试系统已经在运行。"_s);
        return settle(Outcome::Ready, programDir, false);
    }

    const QString userDir = userDataFolder();
    const auto nowhere = [&](const QString &userProblem) {
        const QString text =
            u"考卷无处保存：程序文件夹 %1 中的题库不能写入（%2），本账户的数据文件夹 %3 也不能使用（%4）。"
            "现在只能浏览试题，不能考试或练习。请学校管理员检查这两个文件夹的权限和磁盘空间。"_s.arg(
                programDir, fileProblem.isEmpty() ? folderProblem : fileProblem,
                userDir.isEmpty() ? u"（未知）"_s : userDir, userProblem);
        return settle(Outcome::NoWritablePlace, programDir, false, text);
    };
    if (userDir.isEmpty())
        return nowhere(u"找不到本账户的主文件夹"_s);
    QDir().mkpath(userDir);
    const QString userProblem = writeProblem(userDir, true);
    if (!userProblem.isEmpty())
        return nowhere(userProblem);
    if (lock(userDir) == Lock::Busy)
        return settle(Outcome::Busy, userDir, true, u"考试系统已经在运行。"_s);
    try {
        if (renewCopy(shipped, userDir))
            qCInfo(lcApp).noquote() << u"已从 %1 复制题库到 %2"_s.arg(shipped, userDir);
    } catch (const AppError &e) {
        m_lock.reset();
        return nowhere(e.text());
    }
    return settle(Outcome::Ready, userDir, true);
}

QString bankFolder()
{
    return g_claimed ? g_claimed->folder() : programFolder();
}

bool claimBank(BankPlace &place)
{
    switch (place.claim()) {
    case BankPlace::Outcome::Busy: messages().notice(place.problem()); return false;
    case BankPlace::Outcome::NoWritablePlace: reportError(place.problem()); return true;
    case BankPlace::Outcome::Ready: break;
    }
    return true;
}

} // namespace app
