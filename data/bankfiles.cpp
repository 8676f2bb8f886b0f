#include "bankfiles.h"

#include "apperror.h"
#include "logging.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace data {

QString twoTimesFile(const QString &file)
{
    const qsizetype slash = file.lastIndexOf(u'/');
    const qsizetype dot = file.lastIndexOf(u'.');
    const qsizetype at = dot > slash ? dot : file.size();
    return file.left(at) + u"@2x"_s + file.mid(at);
}
namespace {

QSet<QString> &damagedBanks()
{
    static QSet<QString> files;
    return files;
}

SchoolFolders &currentFolders()
{
    static SchoolFolders folders = installedSchoolFolders();
    return folders;
}

// Closes a descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }
    int release()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }

private:
    int m_fd;
};

} // namespace

QString lockFileName(const QString &bankFile)
{
    return bankFile + u".lock"_s;
}

bool removeJournals(const QString &bankFile)
{
    bool removed = true;
    for (const QString &suffix : {u"-wal"_s, u"-shm"_s, u"-journal"_s}) {
        const QString name = bankFile + suffix;
        if (QFile::exists(name) && !QFile::remove(name))
            removed = false;
    }
    return removed;
}

void discardForeignJournals(const QString &bankFile)
{
    const QString log = bankFile + u"-wal"_s;
    if (!QFileInfo::exists(log))
        return;
    QFile bank(bankFile);
    if (!bank.open(QIODevice::ReadOnly))
        return;
    const QByteArray header = bank.read(20);
    // Bytes 18 and 19: the versions to write and read with, 1 for the
    // rollback journal, 2 for the write-ahead log.
    if (header.size() < 20 || !header.startsWith(QByteArray("SQLite format 3\0", 16)) || header.at(18) != 1)
        return;
    qCWarning(lcData).noquote() << u"题库 %1 旁边的 -wal 文件不是它的（题库已被替换），删除"_s.arg(bankFile);
    QFile::remove(log);
    QFile::remove(bankFile + u"-shm"_s);
}

void noteDamagedBank(const QString &bankFile)
{
    damagedBanks().insert(QFileInfo(bankFile).absoluteFilePath());
}

bool damagedInUse(const QString &bankFile)
{
    return damagedBanks().contains(QFileInfo(bankFile).absoluteFilePath());
}

QString fileIdentity(const QString &file)
{
    struct stat info {};
    if (::stat(QFile::encodeName(file).constData(), &info) != 0)
        return QString();
    return u"%1:%2"_s.arg(static_cast<qulonglong>(info.st_dev)).arg(static_cast<qulonglong>(info.st_ino));
}

SchoolFolders installedSchoolFolders()
{
    return {QStringLiteral(EXAM_SETTINGS_DIR), QStringLiteral(EXAM_STATE_DIR),
            QStringLiteral(EXAM_PACKAGE_BANK_DIR)};
}

const SchoolFolders &schoolFolders()
{
    return currentFolders();
}

void setSchoolFolders(const SchoolFolders &folders)
{
    const auto withSeparator = [](const QString &folder) {
        return folder.isEmpty() || folder.endsWith(u'/') ? folder : folder + u'/';
    };
    currentFolders() = folders.settings.isEmpty()
        ? installedSchoolFolders()
        : SchoolFolders{withSeparator(folders.settings), withSeparator(folders.state),
                        withSeparator(folders.packageBank)};
}

QString systemErrorText(int error)
{
    switch (error) {
    case EACCES:
    case EPERM: return u"没有写入权限"_s;
    case EROFS: return u"所在的磁盘只能读、不能写"_s;
    case ENOSPC:
    case EDQUOT: return u"磁盘已满"_s;
    case ENOENT: return u"文件夹不存在"_s;
    case ENOTDIR: return u"路径中有一段不是文件夹"_s;
    case ENOLCK: return u"文件系统不支持加锁（网络文件系统需要锁服务）"_s;
    case EIO: return u"磁盘读写出错"_s;
    default: return QString::fromLocal8Bit(std::strerror(error));
    }
}

bool isNetworkFileSystem(const QString &folder)
{
    struct statfs info {};
    if (::statfs(QFile::encodeName(folder).constData(), &info) != 0)
        return false;
    // The kernel's magic numbers of file systems whose files live on
    // another computer (linux/magic.h and the file systems' own headers).
    switch (static_cast<unsigned long>(info.f_type)) {
    case 0x6969UL:     // NFS
    case 0x517BUL:     // SMB
    case 0xFF534D42UL: // CIFS
    case 0xFE534D42UL: // SMB2
    case 0x564CUL:     // NCP
    case 0x5346414FUL: // AFS
    case 0x6B414653UL: // kAFS
    case 0x73757245UL: // Coda
    case 0x01021997UL: // 9P
    case 0x00C36400UL: // Ceph
    case 0x0BD00BD0UL: // Lustre
    case 0x65735546UL: // FUSE (sshfs and the like)
        return true;
    default: return false;
    }
}

void copyFileAtomically(const QString &from, const QString &to)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    const auto fail = [](const QString &what, const QString &file, int error) {
        throw AppError(u"%1 %2（%3）"_s.arg(what, file, systemErrorText(error)));
    };
    Descriptor in(::open(source.constData(), O_RDONLY | O_CLOEXEC));
    if (in.get() < 0)
        fail(u"无法读取"_s, from, errno);
    QByteArray temporary = target + ".new-XXXXXX";
    Descriptor out(::mkostemp(temporary.data(), O_CLOEXEC));
    if (out.get() < 0)
        fail(u"无法在文件夹中建立文件："_s, QFileInfo(to).absolutePath(), errno);
    try {
        char buffer[1 << 16];
        for (;;) {
            const ssize_t got = ::read(in.get(), buffer, sizeof buffer);
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                fail(u"无法读取"_s, from, errno);
            if (got == 0)
                break;
            for (ssize_t done = 0; done < got;) {
                const ssize_t put = ::write(out.get(), buffer + done, static_cast<size_t>(got - done));
                if (put < 0 && errno == EINTR)
                    continue;
                if (put < 0)
                    fail(u"无法写入"_s, to, errno);
                done += put;
            }
        }
        if (::fsync(out.get()) != 0 || ::close(out.release()) != 0)
            fail(u"无法写入"_s, to, errno);
        if (std::rename(temporary.constData(), target.constData()) != 0)
            fail(u"无法写入"_s, to, errno);
    } catch (...) {
        ::unlink(temporary.constData());
        throw;
    }
    // The folder's entry for the new name is on disk too.
    syncFolder(QFileInfo(to).absolutePath());
}

void syncFolder(const QString &folder)
{
    const Descriptor fd(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0)
        ::fsync(fd.get());
}

} // namespace data
