#include "installcommands.h"

#include "apperror.h"
#include "bankfiles.h"
#include "bankinstall.h"
#include "bankpackage.h"

#include <QCommandLineParser>
#include <QMap>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace qbank {
namespace {

constexpr int kDone = 0;
constexpr int kUsage = 1;
constexpr int kFindings = 3;

void print(FILE *stream, const QString &text)
{
    std::fprintf(stream, "%s\n", text.toUtf8().constData());
}

const QString kInstallHelp = uR"(用法：qbank install <bank.json|data.db> [--pictures <文件夹>]

检查题库（和 check 一样；给出 --pictures 时也检查图片），没有发现任何问题时，
把题库和它用到的图片装为这台电脑上学校的题库 /var/lib/qinglan-exam/bank/，
考试系统从此用它出题。新题库先在旁边完整建好，再一步换上，正在启动的考试系统
看到的要么是旧题库、要么是新题库。每个学员的题库副本在下次启动时按新题库
重新生成（考卷不保留）。要用 root 运行。发现问题时逐条列出，什么也不改。
退出状态：0 完成，1 参数有误，2 题库无法读取或无法写入，3 发现问题、未安装。)"_s;

const QString kUninstallHelp = uR"(用法：qbank uninstall

删除用 qbank install 装的学校题库，考试系统改用题库软件包的题库，没有题库
软件包时用考试系统自带的题库。每个学员的题库副本在下次启动时重新生成。
要用 root 运行。
退出状态：0 完成（没有装学校题库时也是 0），1 参数有误，2 无法删除。)"_s;

const QString kPackageHelp = uR"(用法：qbank package <bank.json|data.db> [--pictures <文件夹>] --name <学校> --version <版本>
                    [--maintainer "<名字> <邮箱>"] [-o <文件夹>]

检查题库（和 install 一样），没有发现问题时用 dpkg-deb 做成 Debian 软件包
qinglan-exam-bank-<学校>_<版本>_all.deb，写到 -o 给出的文件夹（默认当前文件夹）。
软件包依赖 qinglan-exam，把题库和图片装到 /usr/share/qinglan-exam/bank/；
考试系统用它出题，除非这台电脑上另用 qbank install 装了学校的题库。不同学校的
题库软件包不能同时安装。放进学校自己的 apt 软件源后，机房每台电脑用
apt-get install qinglan-exam-bank-<学校> 安装；升级考试系统不影响它。
<学校> 只能用小写字母、数字和 + - .；<版本> 以数字开头（例如 2025.1）。
没有 --maintainer 时维护者取环境变量 DEBFULLNAME 和 DEBEMAIL，都没有时是
<学校> <root@localhost>。不需要 root。
退出状态：0 完成，1 参数有误，2 题库无法读取或软件包做不成，3 发现问题。)"_s;

// Reads the arguments of one command: the options it takes (name -> help
// value name) and how many files. Returns the exit status instead when they
// do not fit, or when help was asked for (and printed).
struct Parsed {
    QStringList files;
    QMap<QString, QString> values;
    int status = -1; // >= 0: stop with this status
};

Parsed parse(const QString &command, const QStringList &args, const QString &help, const QStringList &options,
             int files)
{
    Parsed parsed;
    const auto fail = [&](const QString &reason) {
        print(stderr, u"qbank %1：%2\n\n"_s.arg(command, reason) + help);
        parsed.status = kUsage;
        return parsed;
    };
    QCommandLineParser parser;
    const QCommandLineOption helpOption({u"h"_s, u"help"_s}, u"显示帮助"_s);
    parser.addOption(helpOption);
    for (const QString &name : options)
        parser.addOption(QCommandLineOption(name, name, name));
    if (!parser.parse(QStringList{u"qbank"_s} + args)) {
        if (!parser.unknownOptionNames().isEmpty())
            return fail(u"不认识的选项“%1”"_s.arg(parser.unknownOptionNames().first()));
        return fail(u"选项“%1”后面缺少值"_s.arg(args.isEmpty() ? QString() : args.last()));
    }
    if (parser.isSet(helpOption)) {
        print(stdout, help);
        parsed.status = kDone;
        return parsed;
    }
    for (const QString &name : options) {
        const QStringList values = parser.values(name);
        if (values.size() > 1)
            return fail(u"选项“%1”只能给一次"_s.arg(name));
        if (values.size() == 1 && values.first().isEmpty())
            return fail(u"选项“%1”的值为空"_s.arg(name));
        if (values.size() == 1)
            parsed.values.insert(name, values.first());
    }
    parsed.files = parser.positionalArguments();
    if (parsed.files.size() < files)
        return fail(u"缺少要读取的题库文件"_s);
    if (parsed.files.size() > files)
        return fail(u"多余的参数“%1”"_s.arg(parsed.files.at(files)));
    if (files > 0 && parsed.files.first().isEmpty())
        return fail(u"题库文件名为空"_s);
    return parsed;
}

// Checks the bank; prints the findings and returns false when there are any.
bool checkedOrListed(const CheckedBank &checked, const QString &file, const QString &what)
{
    if (checked.findings.empty())
        return true;
    for (const Finding &finding : checked.findings)
        print(stdout, finding.line());
    print(stderr, u"%1：发现 %2 个问题，%3"_s.arg(file).arg(checked.findings.size()).arg(what));
    return false;
}

} // namespace

int runInstallCommand(const QStringList &args)
{
    const Parsed parsed = parse(u"install"_s, args, kInstallHelp, {u"pictures"_s}, 1);
    if (parsed.status >= 0)
        return parsed.status;
    const QString file = parsed.files.first();
    const CheckedBank checked = checkForInstall(file, parsed.values.value(u"pictures"_s));
    if (!checkedOrListed(checked, file, u"未安装，学校的题库没有改动"_s))
        return kFindings;
    const QString state = data::schoolFolders().state;
    const int pictures = installBank(checked, state);
    print(stdout, u"已安装学校的题库 %1bank/：%2 个题型，%3 道试题，%4 张图片。学员的题库副本在下次启动考试系统时重新生成。"_s
                      .arg(state)
                      .arg(checked.bank.sorts.size())
                      .arg(checked.bank.questions.size())
                      .arg(pictures));
    return kDone;
}

int runUninstallCommand(const QStringList &args)
{
    const Parsed parsed = parse(u"uninstall"_s, args, kUninstallHelp, {}, 0);
    if (parsed.status >= 0)
        return parsed.status;
    const QString state = data::schoolFolders().state;
    if (!uninstallBank(state)) {
        print(stdout, u"没有装学校的题库（%1bank/），什么也没改。"_s.arg(state));
        return kDone;
    }
    print(stdout, u"已删除学校的题库 %1bank/。考试系统改用题库软件包或自带的题库；学员的题库副本在下次启动时重新生成。"_s.arg(state));
    return kDone;
}

int runPackageCommand(const QStringList &args)
{
    const Parsed parsed = parse(u"package"_s, args, kPackageHelp,
                                {u"pictures"_s, u"name"_s, u"version"_s, u"maintainer"_s, u"o"_s}, 1);
    if (parsed.status >= 0)
        return parsed.status;
    PackageRequest request;
    request.name = parsed.values.value(u"name"_s);
    request.version = parsed.values.value(u"version"_s);
    request.maintainer = parsed.values.value(u"maintainer"_s);
    request.outputFolder = parsed.values.value(u"o"_s);
    for (const QString &required : {u"name"_s, u"version"_s}) {
        if (!parsed.values.contains(required)) {
            print(stderr, u"qbank package：缺少 --%1\n\n"_s.arg(required) + kPackageHelp);
            return kUsage;
        }
    }
    if (const QString problem = packageRequestProblem(request); !problem.isEmpty()) {
        print(stderr, u"qbank package：%1"_s.arg(problem));
        return kUsage;
    }
    const QString file = parsed.files.first();
    const CheckedBank checked = checkForInstall(file, parsed.values.value(u"pictures"_s));
    if (!checkedOrListed(checked, file, u"没有做软件包"_s))
        return kFindings;
    print(stdout, makeBankPackage(checked, request));
    return kDone;
}

QString installCommandsUsage()
{
    return uR"(  install <bank.json|data.db> [--pictures <文件夹>]
                                           检查题库，没有问题时装为这台电脑上学校的题库（root）
  uninstall                                删除学校的题库，改用软件包里的题库（root）
  package <bank.json|data.db> [--pictures <文件夹>] --name <学校> --version <版本> [-o <文件夹>]
                                           把题库做成给机房每台电脑安装的 Debian 软件包)"_s;
}

} // namespace qbank
