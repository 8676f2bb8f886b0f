// qbank: the question-bank tool. Turns a bank written as JSON into the
// program's data.db and back, checks a bank against what the program relies
// on, and counts what it holds. The work is done in qbank_core; this only
// reads the arguments and prints. Help and messages are in Chinese, the
// language of the school's staff.
#include "apperror.h"
#include "bank.h"
#include "bankcheck.h"
#include "bankexport.h"
#include "bankfiles.h"
#include "bankstats.h"
#include "rawbank.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStringList>
#include <cstdio>
#include <optional>
#include <tuple>
#include <variant>

using namespace Qt::StringLiterals;

namespace {

// Exit statuses.
constexpr int kDone = 0;     // done; check: no finding
constexpr int kUsage = 1;    // wrong arguments
constexpr int kFaulty = 2;   // the input cannot be read or is faulty, or the output cannot be written
constexpr int kFindings = 3; // check: findings

// "-" in place of a file: standard input (import, stats) or output (export).
const QString kStream = u"-"_s;
const QString kStdinName = u"标准输入"_s;

void print(FILE *stream, const QString &text)
{
    std::fputs(text.toUtf8().constData(), stream);
    std::fputc('\n', stream);
}

const QString kUsageText = uR"(用法：qbank <命令> [选项]

命令：
  import <bank.json|-> -o <data.db>        用 JSON 题库生成程序的题库 data.db
  export <data.db> [-o <bank.json|->]      把题库 data.db 写回 JSON
  check <data.db|bank.json> [--pictures <文件夹>]
                                           按程序的要求检查题库
  stats <data.db|bank.json|->              统计题库的内容

文件名写成“-”表示标准输入（import、stats）或标准输出（export）。
退出状态：0 完成（check：没有发现问题），1 参数有误，2 输入无法读取或有错、
输出无法写入，3 check 发现了问题。
qbank <命令> --help 介绍各个命令；qbank --version 显示版本。)"_s;

const QString kImportHelp = uR"(用法：qbank import <bank.json|-> -o <data.db>

读取 JSON 格式的题库（格式见 tools/qbank/README.md；“-”表示从标准输入读取），
写成程序使用的 SQLite 题库。check 会指出的试题和题型问题（题型不存在、选项个数
不对、typeId 不是 1、2 或（科目四题型的）3、optid 为 0、份额为负、题库是空的、
某个车型的试卷抽不满等）只要有一处，就一条条列出、什么也不写。题型的考试科目（subject：1 科目一，4 科目四）写入 sort 表。
新题库先在目标旁边生成，完整写好后才换到目标位置；旧题库旁边 SQLite 留下的
-wal、-shm、-journal 文件一并删除。考试系统正在使用
目标题库时（题库旁有它的锁文件 data.db.lock），不导入。
退出状态：0 完成，1 参数有误，2 JSON 有错或有上述问题（消息指出试题和字段）、
题库无法写入或正被考试系统使用。)"_s;

const QString kExportHelp = uR"(用法：qbank export <data.db> [-o <bank.json|->]

把题库（data.db）写成 import 能读取的 JSON 格式，写到 <bank.json>；不给 -o
或写成“-o -”时写到标准输出。再导入这个 JSON 得到内容相同的题库：试题和题型
按存储的顺序，选项按程序显示的顺序，info 为 null 的仍为 null，subpic 原样保留。
文件要么完整写好，要么不写。
退出状态：0 完成，1 参数有误，2 题库无法读取、含有 JSON 格式容纳不了的值（消息
指出试题和字段；qbank check 会全部列出）或 JSON 无法写入。)"_s;

const QString kCheckHelp = uR"(用法：qbank check <data.db|bank.json> [--pictures <文件夹>]

按程序依赖的每一条规则检查题库（data.db 或 JSON 题库，按文件内容区分），每个
问题一行（列出前 100 个，其余只计数），指出试题、题型或表：
  - 表、列和索引 subId 都存在；note 自己给行编号，optionid 和 isright 默认为 0
    （data.db）；
  - 程序按整数读取的地方没有 null 或非整数，按文本读取的地方没有 null
    （subpic 和 info 可以为 null）；
  - 题库里有试题和题型；文字里没有 NUL 字符；份额不为负；
  - subid 不重复，sort 中的 sortId 不重复，sortId 是一个题型；题型的 subject
    为 1（科目一）或 4（科目四），试题给出的 subject 与题型的相同；
  - typeId 为 1（判断题）、2（选择题）或 3（多选题，只用于科目四的题型）；
  - 判断题有 2 个选项，选择题有 2 到 4 个，其中恰好一个正确（iskey 为 1）；
    多选题有 4 个选项，至少两个正确；同一题的 optid 不重复且不为 0；
  - 每个选项的 subid 都是一道试题的 subid；
  - subpic 是 upload/ 中的文件名；给出 --pictures 时，该文件或它的两倍大图
    （名字@2x，如 sign@2x.jpg）在 <文件夹> 中，并且是能读取的图片；两者都在时，
    两倍大图的宽和高恰好是原图的两倍；
  - 对每个车型，份额 s > 0 的科目一题型至少有 (4*s) div 10 道判断题，其余为
    选择题；科目四的题型合起来能组成该车型的科目四试卷（份额合计 50 时为 20 道
    判断题、20 道选择题、10 道多选题），这样抽题时不必重复。
data.db 用普通的 SQL 读取，所以别的工具生成的数据库也能检查。
退出状态：0 没有发现问题，1 参数有误，2 题库或图片文件夹无法读取，3 发现问题。)"_s;

const QString kStatsHelp = uR"(用法：qbank stats <data.db|bank.json|->

以 Markdown 表格打印每个题型、题目类别、练习题套和车型的试题数，每个车型的
试卷题数和各题型所占的份额，以及图片、难点分析和出错次数的统计。“-”表示从
标准输入读取（JSON 或 data.db 均可）。
退出状态：0 完成，1 参数有误，2 题库无法读取或含有无法统计的值（qbank check
会全部指出）。)"_s;

// The arguments of one command: one input and options with a value.
struct Arguments {
    QString input;
    std::optional<QString> output;   // -o
    std::optional<QString> pictures; // --pictures
};

// A command's arguments did not fit: the reason, then the command's help.
int usageError(const QString &command, const QString &reason, const QString &help)
{
    print(stderr, u"qbank %1：%2\n\n"_s.arg(command, reason) + help);
    return kUsage;
}

// Reads a command's arguments. Returns the exit status instead when they do
// not fit, or when help was asked for (and printed).
std::variant<Arguments, int> parseArguments(const QString &command, const QStringList &args,
                                            const QString &help, bool takesOutput, bool takesPictures)
{
    QCommandLineParser parser;
    const QCommandLineOption helpOption({u"h"_s, u"help"_s}, u"显示帮助"_s);
    const QCommandLineOption outputOption(u"o"_s, u"输出文件"_s, u"文件"_s);
    const QCommandLineOption picturesOption(u"pictures"_s, u"图片文件夹"_s, u"文件夹"_s);
    parser.addOption(helpOption);
    if (takesOutput)
        parser.addOption(outputOption);
    if (takesPictures)
        parser.addOption(picturesOption);
    if (!parser.parse(QStringList{u"qbank"_s} + args)) {
        if (!parser.unknownOptionNames().isEmpty())
            return usageError(command, u"不认识的选项“%1”"_s.arg(parser.unknownOptionNames().first()), help);
        return usageError(command, u"选项“%1”后面缺少值"_s.arg(args.isEmpty() ? QString() : args.last()),
                          help);
    }
    if (parser.isSet(helpOption)) {
        print(stdout, help);
        return kDone;
    }
    Arguments parsed;
    for (const auto &[option, value, taken] :
         {std::tuple{&outputOption, &parsed.output, takesOutput},
          std::tuple{&picturesOption, &parsed.pictures, takesPictures}}) {
        if (!taken)
            continue;
        const QStringList values = parser.values(*option);
        if (values.size() > 1)
            return usageError(command, u"选项“%1”只能给一次"_s.arg(option->names().constFirst()), help);
        if (values.size() == 1) {
            if (values.first().isEmpty())
                return usageError(command, u"选项“%1”的值为空"_s.arg(option->names().constFirst()), help);
            *value = values.first();
        }
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return usageError(command, u"缺少要读取的题库文件"_s, help);
    if (positional.size() > 1)
        return usageError(command, u"多余的参数“%1”"_s.arg(positional.at(1)), help);
    if (positional.first().isEmpty())
        return usageError(command, u"题库文件名为空"_s, help);
    parsed.input = positional.first();
    return parsed;
}

QByteArray readStandardInput()
{
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        throw AppError(u"无法读取标准输入"_s);
    const QByteArray all = in.readAll();
    if (in.error() != QFileDevice::NoError)
        throw AppError(u"无法读取标准输入：%1"_s.arg(in.errorString()));
    return all;
}

// The bank named on the command line: a file, or "-" for standard input.
qbank::BankSource bankSource(const QString &input)
{
    return input == kStream ? qbank::BankSource::data(readStandardInput(), kStdinName)
                            : qbank::BankSource::path(input);
}

// Holds the bank's lock while it is replaced, so that the program does not
// start on it meanwhile; refuses a bank the program works on.
class BankLock {
public:
    explicit BankLock(const QString &bankFile)
        : m_lock(data::lockFileName(QFileInfo(bankFile).absoluteFilePath()))
    {
        m_lock.setStaleLockTime(0); // stale only when the program that took it is gone
        if (m_lock.tryLock(0) || m_lock.error() != QLockFile::LockFailedError)
            return; // no lock file can be made here: writing the bank will say why
        qint64 pid = 0;
        QString host;
        QString application;
        m_lock.getLockInfo(&pid, &host, &application);
        throw AppError(
            u"题库 %1 正被考试系统使用（进程 %2）。请先关闭使用这个题库的考试系统，再导入。"_s.arg(bankFile)
                .arg(pid));
    }

private:
    QLockFile m_lock;
};

int runImport(const QStringList &args)
{
    const auto parsed = parseArguments(u"import"_s, args, kImportHelp, true, false);
    if (const int *status = std::get_if<int>(&parsed))
        return *status;
    const Arguments &a = std::get<Arguments>(parsed);
    if (!a.output)
        return usageError(u"import"_s, u"缺少 -o <data.db>"_s, kImportHelp);
    if (*a.output == kStream)
        return usageError(u"import"_s, u"题库只能写到文件，不能写到标准输出"_s, kImportHelp);
    const BankLock lock(*a.output);
    const auto [sorts, questions] = qbank::importBank(bankSource(a.input), *a.output);
    print(stdout, u"%1：%2 个题型，%3 道试题"_s.arg(*a.output).arg(sorts).arg(questions));
    return kDone;
}

int runExport(const QStringList &args)
{
    const auto parsed = parseArguments(u"export"_s, args, kExportHelp, true, false);
    if (const int *status = std::get_if<int>(&parsed))
        return *status;
    const Arguments &a = std::get<Arguments>(parsed);
    if (a.input == kStream)
        return usageError(u"export"_s, u"要导出的题库必须是 data.db 文件，不能是标准输入"_s, kExportHelp);
    const QByteArray json = qbank::exportJson(a.input);
    if (!a.output || *a.output == kStream) {
        std::fwrite(json.constData(), 1, static_cast<size_t>(json.size()), stdout);
        if (std::fflush(stdout) != 0)
            throw AppError(u"无法写入标准输出"_s);
        return kDone;
    }
    qbank::writeFileAtomically(*a.output, json);
    return kDone;
}

int runCheck(const QStringList &args)
{
    const auto parsed = parseArguments(u"check"_s, args, kCheckHelp, false, true);
    if (const int *status = std::get_if<int>(&parsed))
        return *status;
    const Arguments &a = std::get<Arguments>(parsed);
    if (a.input == kStream)
        return usageError(u"check"_s, u"要检查的题库必须是文件，不能是标准输入"_s, kCheckHelp);
    qbank::CheckOptions options;
    options.pictures = a.pictures.value_or(QString());
    const qbank::CheckReport report = qbank::checkBankFile(a.input, options);
    for (const qbank::Finding &finding : report.findings)
        print(stdout, finding.line());
    if (report.count > static_cast<qint64>(report.findings.size()))
        print(stdout, u"……另有 %1 个问题未列出"_s.arg(report.count - static_cast<qint64>(report.findings.size())));
    const QString what =
        u"%1 道试题，%2 个题型，%3"_s.arg(report.questions)
            .arg(report.sorts)
            .arg(options.pictures.isEmpty() ? u"未检查图片"_s : u"图片在 "_s + options.pictures);
    if (report.count == 0) {
        print(stdout, u"%1：没有发现问题（%2）"_s.arg(a.input, what));
        return kDone;
    }
    print(stdout, u"%1：发现 %2 个问题（%3）"_s.arg(a.input).arg(report.count).arg(what));
    return kFindings;
}

int runStats(const QStringList &args)
{
    const auto parsed = parseArguments(u"stats"_s, args, kStatsHelp, false, false);
    if (const int *status = std::get_if<int>(&parsed))
        return *status;
    const Arguments &a = std::get<Arguments>(parsed);
    const QString title = a.input == kStream ? kStdinName : a.input;
    std::fputs(qbank::statsText(bankSource(a.input), title).toUtf8().constData(), stdout);
    return kDone;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(u"qbank"_s);
    QCoreApplication::setApplicationVersion(QStringLiteral(EXAM_VERSION));
    QStringList args = application.arguments().mid(1);
    if (args.isEmpty()) {
        print(stderr, kUsageText);
        return kUsage;
    }
    if (args.first() == u"--help"_s || args.first() == u"-h"_s) {
        print(stdout, kUsageText);
        return kDone;
    }
    if (args.first() == u"--version"_s || args.first() == u"-v"_s) {
        print(stdout, u"qbank "_s + QCoreApplication::applicationVersion());
        return kDone;
    }
    const QString command = args.takeFirst();
    try {
        if (command == u"import"_s)
            return runImport(args);
        if (command == u"export"_s)
            return runExport(args);
        if (command == u"check"_s)
            return runCheck(args);
        if (command == u"stats"_s)
            return runStats(args);
    } catch (const std::exception &e) {
        print(stderr, u"qbank %1：%2"_s.arg(command, errorText(e)));
        return kFaulty;
    }
    print(stderr, u"qbank：不认识的命令“%1”\n\n"_s.arg(command) + kUsageText);
    return kUsage;
}
