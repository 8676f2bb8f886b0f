#include "banklock.h"

#include "bankfiles.h"
#include "logging.h"

#include <QDateTime>
#include <QFile>
#include <QStringList>
#include <QSysInfo>

#include <cerrno>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace data {
namespace {

QString userName()
{
    if (const passwd *entry = ::getpwuid(::getuid()))
        return QString::fromLocal8Bit(entry->pw_name);
    return QString::number(::getuid());
}

QByteArray readAll(int fd)
{
    QByteArray content;
    char buffer[1024];
    ssize_t got = 0;
    while (content.size() < 8192 && (got = ::pread(fd, buffer, sizeof buffer, content.size())) > 0)
        content.append(buffer, got);
    return content;
}

// Reads "key=value" lines; a lock file of the earlier versions holds the
// pid, the program's name and the host, one a line.
LockHolder parseHolder(const QByteArray &content)
{
    LockHolder holder;
    const QStringList lines = QString::fromUtf8(content).split(u'\n');
    if (!lines.isEmpty() && !lines.first().contains(u'=')) {
        holder.pid = lines.value(0).toLongLong();
        holder.host = lines.value(2);
        return holder;
    }
    for (const QString &line : lines) {
        const qsizetype eq = line.indexOf(u'=');
        const QString key = line.left(eq);
        const QString value = line.mid(eq + 1);
        if (key == u"pid"_s)
            holder.pid = value.toLongLong();
        else if (key == u"host"_s)
            holder.host = value;
        else if (key == u"uid"_s)
            holder.uid = value.toLongLong();
        else if (key == u"user"_s)
            holder.user = value;
        else if (key == u"since"_s)
            holder.since = value;
        else if (key == u"bank"_s)
            holder.bank = value;
    }
    return holder;
}

// Whether the file open at fd is still the one at path (not replaced).
bool stillThere(int fd, const QByteArray &path)
{
    struct stat open {};
    struct stat there {};
    return ::fstat(fd, &open) == 0 && ::stat(path.constData(), &there) == 0 && open.st_dev == there.st_dev
        && open.st_ino == there.st_ino;
}

} // namespace

bool LockHolder::isThisUserHere() const
{
    return host == localHostName() && uid == static_cast<qint64>(::getuid());
}

QString LockHolder::describe() const
{
    if (pid <= 0 && host.isEmpty())
        return u"另一个考试系统"_s;
    QString text = user.isEmpty() ? QString() : u"用户 %1 "_s.arg(user);
    text += host.isEmpty() ? u"在某台电脑上"_s : u"在电脑 %1 上"_s.arg(host);
    text += pid > 0 ? u"的进程 %1"_s.arg(pid) : u"的考试系统"_s;
    if (!since.isEmpty())
        text += u"（自 %1 起）"_s.arg(since);
    return text;
}

QString localHostName()
{
    return QSysInfo::machineHostName();
}

BankLock::BankLock(const QString &bankFile) : m_file(lockFileName(bankFile)), m_bankFile(bankFile)
{
    take();
}

void BankLock::take()
{
    const QByteArray path = QFile::encodeName(m_file);
    // A few rounds: the file may be replaced between opening and locking it.
    for (int round = 0; round < 5; ++round) {
        bool ours = true;
        int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
        if (fd < 0 && errno == EACCES) {
            // Another user's file: it can still be locked, and replaced.
            ours = false;
            fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        }
        if (fd < 0) {
            m_error = errno;
            m_state = State::Failed;
            return;
        }
        const QByteArray before = readAll(fd);
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(fd);
            if (error == EWOULDBLOCK) {
                m_holder = parseHolder(before);
                m_state = State::Held;
                return;
            }
            m_error = error;
            m_state = State::Failed;
            return;
        }
        // Locked; but only the file that is at the path counts.
        if (!stillThere(fd, path)) {
            ::close(fd);
            continue;
        }
        if (!ours) {
            // Left by a copy of another user that is gone: make it ours.
            if (::unlink(path.constData()) == 0) {
                ::close(fd);
                continue;
            }
        }
        m_holder = parseHolder(readAll(fd)); // who took it last
        m_fd = fd;
        m_state = State::Taken;
        if (ours)
            noteBank();
        return;
    }
    m_error = EAGAIN;
    m_state = State::Failed;
}

void BankLock::noteBank()
{
    if (m_fd < 0)
        return;
    const QByteArray content = u"pid=%1\nhost=%2\nuid=%3\nuser=%4\nsince=%5\nbank=%6\n"_s.arg(::getpid())
                                   .arg(localHostName())
                                   .arg(::getuid())
                                   .arg(userName(), QDateTime::currentDateTime().toString(Qt::ISODate),
                                        fileIdentity(m_bankFile))
                                   .toUtf8();
    // Only for messages and journals: a lock whose file cannot be written
    // (a full disk, another user's file) is held all the same.
    if (::ftruncate(m_fd, 0) != 0 || ::pwrite(m_fd, content.constData(), content.size(), 0) < 0)
        qCWarning(lcData).noquote() << u"无法写入锁文件 %1（%2）"_s.arg(m_file, systemErrorText(errno));
}

BankLock::~BankLock()
{
    if (m_fd < 0)
        return;
    // Removed only while it is still the file this object locked.
    const QByteArray path = QFile::encodeName(m_file);
    if (stillThere(m_fd, path) && !damagedInUse(m_bankFile))
        ::unlink(path.constData());
    ::close(m_fd);
}

} // namespace data
