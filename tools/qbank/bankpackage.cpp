#include "bankpackage.h"

#include "apperror.h"
#include "bankfiles.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace qbank {
namespace {

// The first version of the program that takes a bank package's bank.
const QString kFirstProgramVersion = u"1.2.0"_s;

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.flush())
        throw AppError(u"无法写入 %1（%2）"_s.arg(path, file.errorString()));
}

// What Debian asks of every package besides its files: who may use them
// (copyright), its history (changelog.gz), and why lintian's two complaints
// about the Chinese description are wrong.
void writeDocuments(const QString &root, const QString &package, const PackageRequest &request,
                    const QString &maintainer)
{
    const QString doc = root + u"/usr/share/doc/"_s + package;
    const QString overrides = root + u"/usr/share/lintian/overrides"_s;
    if (!QDir().mkpath(doc) || !QDir().mkpath(overrides))
        throw AppError(u"无法建立临时文件夹 %1"_s.arg(doc));
    const QString year = QString::number(QDate::currentDate().year());
    writeFile(doc + u"/copyright"_s,
              u"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
              "Upstream-Name: %1\nUpstream-Contact: %2\n\n"
              "Files: *\nCopyright: %3 %4\nLicense: LicenseRef-school\n"
              " 这个题库和它的图片由学校 %4 维护，只供本校和它的学员在学校的电脑上使用。\n"_s.arg(package, maintainer, year, request.name)
                  .toUtf8());
    // Debian's changelog format, one entry for this version; gzip -n keeps
    // no name or time, so the same bank makes the same file.
    const QString changelog =
        u"%1 (%2) unstable; urgency=medium\n\n  * 学校 %3 的题库，由 qbank package 做成。\n\n -- %4  %5\n"_s.arg(
            package, request.version, request.name, maintainer,
            QDateTime::currentDateTime().toString(Qt::RFC2822Date));
    QProcess gzip;
    gzip.start(u"gzip"_s, {u"-9n"_s});
    if (!gzip.waitForStarted())
        throw AppError(u"无法运行 gzip（%1）"_s.arg(gzip.errorString()));
    gzip.write(changelog.toUtf8());
    gzip.closeWriteChannel();
    gzip.waitForFinished(-1);
    if (gzip.exitStatus() != QProcess::NormalExit || gzip.exitCode() != 0)
        throw AppError(u"gzip 没能压缩更新记录"_s);
    writeFile(doc + u"/changelog.gz"_s, gzip.readAllStandardOutput());
    writeFile(overrides + u"/"_s + package,
              u"# Lintian counts words by blanks, and Chinese has none between its words.\n"
              "%1: description-too-short *\n"_s.arg(package)
                  .toUtf8());
}

struct Payload {
    QByteArray md5sums;
    qint64 kib = 0;
};

// The package's files: their checksums, as dpkg keeps them, and their size.
Payload payloadOf(const QString &root)
{
    Payload payload;
    QStringList files;
    QDirIterator it(root + u"/usr"_s, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.sort();
    for (const QString &path : files) {
        QFile file(path);
        QCryptographicHash md5(QCryptographicHash::Md5);
        if (!file.open(QIODevice::ReadOnly) || !md5.addData(&file))
            throw AppError(u"无法读取 %1（%2）"_s.arg(path, file.errorString()));
        payload.md5sums += md5.result().toHex() + "  " + QFile::encodeName(path.mid(root.size() + 1)) + '\n';
        payload.kib += (file.size() + 1023) / 1024;
    }
    return payload;
}

} // namespace

QString bankPackageName(const QString &school)
{
    return u"qinglan-exam-bank-"_s + school;
}

QString packageMaintainer(const PackageRequest &request)
{
    if (!request.maintainer.isEmpty())
        return request.maintainer;
    // As dch and Debian's other tools take them.
    const QString mail = qEnvironmentVariable("DEBEMAIL");
    const QString name = qEnvironmentVariable("DEBFULLNAME");
    if (!mail.isEmpty())
        return mail.contains(u'<') ? mail : u"%1 <%2>"_s.arg(name.isEmpty() ? request.name : name, mail);
    return u"%1 <root@localhost>"_s.arg(request.name);
}

QString packageRequestProblem(const PackageRequest &request)
{
    static const QRegularExpression name(u"^[a-z0-9][a-z0-9+.-]*$"_s);
    static const QRegularExpression version(u"^[0-9][A-Za-z0-9.+~]*(-[A-Za-z0-9.+~]+)?$"_s);
    if (!name.match(request.name).hasMatch())
        return u"学校名“%1”不能用作软件包名：只能用小写字母、数字和 + - .，并以字母或数字开头"_s.arg(request.name);
    if (!version.match(request.version).hasMatch())
        return u"版本“%1”不是 Debian 的版本号：以数字开头，只用字母、数字和 . + ~（例如 2025.1）"_s.arg(request.version);
    if (request.maintainer.contains(u'\n'))
        return u"维护者不能有换行"_s;
    return QString();
}

QString makeBankPackage(const CheckedBank &checked, const PackageRequest &request)
{
    if (const QString problem = packageRequestProblem(request); !problem.isEmpty())
        throw AppError(problem);
    const QString package = bankPackageName(request.name);
    QTemporaryDir staging;
    if (!staging.isValid())
        throw AppError(u"无法建立临时文件夹（%1）"_s.arg(staging.errorString()));
    const QString root = staging.path();
    // Where the installed program looks, wherever this qbank is pointed.
    const QString bankFolder = root + data::installedSchoolFolders().packageBank;
    if (!QDir().mkpath(bankFolder))
        throw AppError(u"无法建立临时文件夹 %1"_s.arg(bankFolder));
    const int pictures = writeBankFolder(checked, bankFolder);
    const QString maintainer = packageMaintainer(request);
    writeDocuments(root, package, request, maintainer);
    const Payload payload = payloadOf(root);

    QDir().mkpath(root + u"/DEBIAN"_s);
    const QString control =
        u"Package: %1\nVersion: %2\nArchitecture: all\nMaintainer: %3\nInstalled-Size: %4\n"
        "Depends: qinglan-exam (>= %5)\nProvides: qinglan-exam-bank\nConflicts: qinglan-exam-bank\n"
        "Replaces: qinglan-exam-bank\nSection: education\nPriority: optional\n"
        "Description: 青岚驾校理论模拟考试系统的题库（%6）\n"
        " %7 道试题，%8 个题型，%9 张图片。装好后考试系统用这个题库出题，\n"
        " 除非学校在这台电脑上用 qbank install 另装了题库。\n"_s.arg(package, request.version, maintainer)
            .arg(payload.kib)
            .arg(kFirstProgramVersion, request.name)
            .arg(checked.bank.questions.size())
            .arg(checked.bank.sorts.size())
            .arg(pictures);
    writeFile(root + u"/DEBIAN/control"_s, control.toUtf8());
    writeFile(root + u"/DEBIAN/md5sums"_s, payload.md5sums);
    for (const QString &folder : {root, root + u"/DEBIAN"_s})
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                          QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                          QFileDevice::ExeOther);

    const QString output = QDir(request.outputFolder.isEmpty() ? u"."_s : request.outputFolder)
                               .absoluteFilePath(u"%1_%2_all.deb"_s.arg(package, request.version));
    QProcess dpkgDeb;
    dpkgDeb.setProcessChannelMode(QProcess::MergedChannels);
    dpkgDeb.start(u"dpkg-deb"_s, {u"--root-owner-group"_s, u"-Zxz"_s, u"--build"_s, root, output});
    if (!dpkgDeb.waitForStarted())
        throw AppError(u"无法运行 dpkg-deb（%1）。它在软件包 dpkg 里。"_s.arg(dpkgDeb.errorString()));
    dpkgDeb.waitForFinished(-1);
    if (dpkgDeb.exitStatus() != QProcess::NormalExit || dpkgDeb.exitCode() != 0)
        throw AppError(u"dpkg-deb 没能做成软件包：%1"_s.arg(QString::fromLocal8Bit(dpkgDeb.readAll()).trimmed()));
    return output;
}

} // namespace qbank
