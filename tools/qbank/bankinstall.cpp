#include "bankinstall.h"

#include "apperror.h"
#include "bankexport.h"
#include "bankfiles.h"
#include "banklock.h"
#include "rawbank.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QUuid>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace qbank {
namespace {

const QString kPlace = u"bank"_s;         // the school's bank: a link to the folder in use
const QString kBuilt = u"bank-"_s;        // the folders it links to, one per install
const QString kInstallLock = u"install"_s; // the lock file install.lock

QString withSeparator(const QString &folder)
{
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

[[noreturn]] void failWith(const QString &what, const QString &path, int error)
{
    QString text = u"%1 %2（%3）"_s.arg(what, path, data::systemErrorText(error));
    if (error == EACCES || error == EPERM)
        text += u"。请用 root 运行。"_s;
    throw AppError(text);
}

void setMode(const QString &path, mode_t mode)
{
    if (::chmod(QFile::encodeName(path).constData(), mode) != 0)
        failWith(u"无法设置权限："_s, path, errno);
}

void makeFolder(const QString &folder)
{
    if (QFileInfo(folder).isDir())
        return;
    if (!QDir().mkpath(folder)) {
        // mkpath says no more than that: the folder above tells why.
        QString above = QDir::cleanPath(folder);
        while (!QFileInfo::exists(above) && above != u"/"_s)
            above = QFileInfo(above).path();
        failWith(u"无法建立文件夹"_s, folder, ::access(QFile::encodeName(above).constData(), W_OK) == 0 ? EIO : errno);
    }
    setMode(folder, 0755);
}

// The picture a question names, as the program looks it up; empty for none.
QString pictureOf(const Question &question)
{
    if (!namesPicture(question.subpic))
        return QString();
    QString name = question.subpic;
    return name.replace(u'\\', u'/');
}

// Holds the lock that keeps two installs from running at once.
class InstallLock {
public:
    explicit InstallLock(const QString &state) : m_lock(state + kInstallLock)
    {
        if (m_lock.state() == data::BankLock::State::Held)
            throw AppError(u"%1正在安装或删除学校的题库，请等它结束后再试"_s.arg(m_lock.holder().describe()));
        if (m_lock.state() == data::BankLock::State::Failed)
            failWith(u"无法建立锁文件"_s, m_lock.file(), m_lock.error());
    }

private:
    data::BankLock m_lock;
};

// The bank folder the school's place links to now; empty for none.
QString currentFolder(const QString &state)
{
    const QFileInfo place(state + kPlace);
    return place.isSymLink() ? QFileInfo(place.symLinkTarget()).fileName() : QString();
}

// Removes the bank folders of earlier installs (and of one that was cut
// short), all but `keep`.
void removeOthers(const QString &state, const QString &keep)
{
    const QDir dir(state);
    const QStringList entries =
        dir.entryList({kBuilt + u'*', u".bank-*"_s}, QDir::Dirs | QDir::Files | QDir::System | QDir::Hidden |
                                                        QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        if (entry == keep)
            continue;
        const QFileInfo info(dir.filePath(entry));
        if (info.isDir() && !info.isSymLink())
            QDir(info.filePath()).removeRecursively();
        else
            QFile::remove(info.filePath());
    }
}

// Moves a school's bank that is a folder (not a link) out of the way.
void moveAsideIfFolder(const QString &state)
{
    const QFileInfo place(state + kPlace);
    if (place.isDir() && !place.isSymLink()) {
        const QString aside = state + kBuilt + u"old-"_s + QUuid::createUuid().toString(QUuid::Id128);
        if (std::rename(QFile::encodeName(place.filePath()).constData(), QFile::encodeName(aside).constData()) != 0)
            failWith(u"无法移开原来的题库文件夹"_s, place.filePath(), errno);
    }
}

} // namespace

CheckedBank checkForInstall(const QString &bankFile, const QString &pictures)
{
    CheckOptions options;
    options.pictures = pictures;
    CheckedBank checked;
    checked.pictures = pictures;
    // Read once: while nothing is found, the collector is handed every type
    // and question.
    BankCollector collector;
    checked.findings = readBank(BankSource::path(bankFile), options, &collector).findings;
    if (checked.findings.empty())
        checked.bank = std::move(collector.bank);
    return checked;
}

int writeBankFolder(const CheckedBank &checked, const QString &folder)
{
    const QString base = withSeparator(folder);
    writeBankDatabase(checked.bank, base + u"data.db"_s);
    setMode(base + u"data.db"_s, 0644);
    makeFolder(base + u"upload"_s);
    QSet<QString> copied;
    if (checked.pictures.isEmpty())
        return 0;
    for (const Question &question : checked.bank.questions) {
        const QString picture = pictureOf(question);
        if (picture.isEmpty() || copied.contains(picture))
            continue;
        copied.insert(picture);
        // The picture and its 2x partner, whichever of them is there (the
        // check found at least one).
        for (const QString &name : {picture, data::twoTimesFile(picture)}) {
            const QString source = withSeparator(checked.pictures) + name;
            if (!QFileInfo::exists(source))
                continue;
            const QString target = base + u"upload/"_s + name;
            makeFolder(QFileInfo(target).path());
            data::copyFileAtomically(source, target);
            setMode(target, 0644);
        }
    }
    return static_cast<int>(copied.size());
}

int installBank(const CheckedBank &checked, const QString &stateFolder)
{
    if (!checked.findings.empty()) {
        QStringList lines{u"题库有 %1 处问题，未安装："_s.arg(checked.findings.size())};
        for (const Finding &finding : checked.findings)
            lines << finding.line();
        throw AppError(lines.join(u'\n'));
    }
    const QString state = withSeparator(stateFolder);
    makeFolder(state);
    const InstallLock lock(state);
    removeOthers(state, currentFolder(state)); // what an install cut short left
    QByteArray pattern = QFile::encodeName(state + kBuilt + u"XXXXXX"_s);
    if (!::mkdtemp(pattern.data()))
        failWith(u"无法建立文件夹"_s, state + kBuilt + u"…"_s, errno);
    const QString folder = QFile::decodeName(pattern);
    const QString name = QFileInfo(folder).fileName();
    int pictures = 0;
    try {
        setMode(folder, 0755);
        pictures = writeBankFolder(checked, folder);
        data::syncFolder(folder + u"/upload"_s);
        data::syncFolder(folder);
        moveAsideIfFolder(state);
        // A new link beside the place, renamed over it: rename() replaces
        // the old link in one step.
        const QString link = state + u".bank-link-"_s + QUuid::createUuid().toString(QUuid::Id128);
        if (::symlink(QFile::encodeName(name).constData(), QFile::encodeName(link).constData()) != 0)
            failWith(u"无法建立链接"_s, link, errno);
        if (std::rename(QFile::encodeName(link).constData(), QFile::encodeName(state + kPlace).constData()) != 0) {
            const int error = errno;
            QFile::remove(link);
            failWith(u"无法换上新题库"_s, state + kPlace, error);
        }
        data::syncFolder(state);
    } catch (...) {
        QDir(folder).removeRecursively();
        throw;
    }
    removeOthers(state, name);
    return pictures;
}

bool uninstallBank(const QString &stateFolder)
{
    const QString state = withSeparator(stateFolder);
    if (!QFileInfo(state).isDir())
        return false;
    const InstallLock lock(state);
    const QFileInfo place(state + kPlace);
    const bool there = place.exists() || place.isSymLink();
    moveAsideIfFolder(state);
    if (place.isSymLink() && !QFile::remove(place.filePath()))
        failWith(u"无法删除"_s, place.filePath(), errno);
    data::syncFolder(state);
    removeOthers(state, QString());
    return there;
}

} // namespace qbank
