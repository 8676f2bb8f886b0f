// qbank: the question-bank tool. Turns a bank written as JSON into the
// program's data.db and back, checks a bank against what the program relies
// on, and counts what it holds. The work is done in qbank_core; this only
// reads the arguments and prints.
#include "apperror.h"
#include "bank.h"
#include "bankcheck.h"
#include "bankexport.h"
#include "bankstats.h"
#include "rawbank.h"

#include <QCoreApplication>
#include <QHash>
#include <QStringList>
#include <cstdio>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// Exit statuses.
constexpr int kDone = 0;     // done; check: no finding
constexpr int kUsage = 1;    // wrong arguments
constexpr int kFaulty = 2;   // the input cannot be read or is faulty, or the output cannot be written
constexpr int kFindings = 3; // check: findings

void print(FILE *stream, const QString &text)
{
    std::fputs(text.toUtf8().constData(), stream);
    std::fputc('\n', stream);
}

// clang-format off
const char *const kUsageText =
    "usage: qbank <command> [options]\n"
    "\n"
    "commands:\n"
    "  import <bank.json> -o <data.db>           build a question bank from JSON\n"
    "  export <data.db> [-o <bank.json>]         write a question bank back as JSON\n"
    "  check <data.db|bank.json> [--pictures <folder>]\n"
    "                                            check a bank against what the program relies on\n"
    "  stats <data.db|bank.json>                 count what a bank holds\n"
    "\n"
    "Exit status: 0 done (check: no finding), 1 wrong arguments, 2 the input\n"
    "cannot be read or is faulty, 3 check found something.\n"
    "qbank <command> --help tells more about a command.";

const char *const kImportHelp =
    "usage: qbank import <bank.json> -o <data.db>\n"
    "\n"
    "Reads a question bank written as JSON (see tools/qbank/README.md) and\n"
    "writes it as the program's SQLite question bank. The new database is\n"
    "built beside the target and moved into place only when complete.\n"
    "Exit status: 0 done, 1 wrong arguments, 2 the JSON is faulty or the\n"
    "database cannot be written (the message names the question and field).";

const char *const kExportHelp =
    "usage: qbank export <data.db> [-o <bank.json>]\n"
    "\n"
    "Writes a question bank (data.db) as JSON in the format import reads,\n"
    "to <bank.json> or, without -o, to standard output. Importing the JSON\n"
    "gives the same database content again: questions and question types in\n"
    "the order they are stored, options in the order the program shows them,\n"
    "info null as null, subpic as stored. The file is written completely or\n"
    "not at all.\n"
    "Exit status: 0 done, 1 wrong arguments, 2 the database cannot be read,\n"
    "holds a value the JSON format cannot take (the message names the\n"
    "question and field; qbank check lists them all) or the JSON cannot be\n"
    "written.";

const char *const kCheckHelp =
    "usage: qbank check <data.db|bank.json> [--pictures <folder>]\n"
    "\n"
    "Checks a question bank, a data.db or a JSON bank (told apart by their\n"
    "contents), against every rule the program relies on, and prints one\n"
    "line per finding, naming the question, question type or table:\n"
    "  - tables, columns and the index subId are there; note numbers its\n"
    "    rows itself and starts optionid and isright at 0 (data.db);\n"
    "  - no null or non-integer where the program reads an integer, no null\n"
    "    where it reads a text (subpic and info may be null);\n"
    "  - subid unique, sortId unique in sort, typeId 1 or 2, sortId a type;\n"
    "  - a true/false question has 2 options, a multiple-choice question 2\n"
    "    to 4, exactly one of them correct (iskey 1); optid unique within\n"
    "    the question and not 0;\n"
    "  - every option's subid is a question's subid;\n"
    "  - subpic is a file name inside upload/; with --pictures, the file is\n"
    "    in <folder> and is a picture that can be read;\n"
    "  - for every vehicle class, every question type with a share s > 0\n"
    "    holds (4*s) div 10 true/false and the rest multiple-choice\n"
    "    questions, so that a paper needs no question twice.\n"
    "A data.db is read with plain SQL, so a database not made by import is\n"
    "checked as well.\n"
    "Exit status: 0 no finding, 1 wrong arguments, 2 the bank or the\n"
    "pictures folder cannot be read, 3 findings.";

const char *const kStatsHelp =
    "usage: qbank stats <data.db|bank.json>\n"
    "\n"
    "Prints, as Markdown tables, the questions per question type, kind,\n"
    "study set and vehicle class, the paper size per vehicle class and how\n"
    "the question types make it up, and counts of pictures, explanations and\n"
    "error counts.\n"
    "Exit status: 0 done, 1 wrong arguments, 2 the bank cannot be read or\n"
    "holds a value that cannot be counted (qbank check names them all).";
// clang-format on

bool wantsHelp(const QStringList &args)
{
    return args.contains(u"--help"_s) || args.contains(u"-h"_s);
}

int usage(const char *help)
{
    print(stderr, QString::fromLatin1(help));
    return kUsage;
}

// The arguments of a command: one input file and options with a value.
struct Arguments {
    QString input;
    QHash<QString, QString> options;
};

std::optional<Arguments> parse(const QStringList &args, const QStringList &valueOptions)
{
    Arguments parsed;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (valueOptions.contains(args[i]) && i + 1 < args.size() && !parsed.options.contains(args[i])) {
            parsed.options.insert(args[i], args[i + 1]);
            ++i;
        } else if (parsed.input.isEmpty() && !args[i].isEmpty() && !args[i].startsWith(u'-')) {
            parsed.input = args[i];
        } else {
            return std::nullopt;
        }
    }
    if (parsed.input.isEmpty())
        return std::nullopt;
    return parsed;
}

int runImport(const QStringList &args)
{
    if (wantsHelp(args)) {
        print(stdout, QString::fromLatin1(kImportHelp));
        return kDone;
    }
    const auto parsed = parse(args, {u"-o"_s});
    if (!parsed || !parsed->options.contains(u"-o"_s))
        return usage(kImportHelp);
    const QString output = parsed->options.value(u"-o"_s);
    const qbank::Bank bank = qbank::readBankFile(parsed->input);
    qbank::writeBankDatabase(bank, output);
    print(stdout, u"%1: %2 question types, %3 questions"_s.arg(output)
                      .arg(bank.sorts.size())
                      .arg(bank.questions.size()));
    return kDone;
}

int runExport(const QStringList &args)
{
    if (wantsHelp(args)) {
        print(stdout, QString::fromLatin1(kExportHelp));
        return kDone;
    }
    const auto parsed = parse(args, {u"-o"_s});
    if (!parsed)
        return usage(kExportHelp);
    const QByteArray json = qbank::exportJson(qbank::readRawDatabase(parsed->input));
    if (!parsed->options.contains(u"-o"_s)) {
        std::fwrite(json.constData(), 1, static_cast<size_t>(json.size()), stdout);
        return std::fflush(stdout) == 0 ? kDone : kFaulty;
    }
    qbank::writeFileAtomically(parsed->options.value(u"-o"_s), json);
    return kDone;
}

int runCheck(const QStringList &args)
{
    if (wantsHelp(args)) {
        print(stdout, QString::fromLatin1(kCheckHelp));
        return kDone;
    }
    const auto parsed = parse(args, {u"--pictures"_s});
    if (!parsed)
        return usage(kCheckHelp);
    qbank::CheckOptions options;
    options.pictures = parsed->options.value(u"--pictures"_s);
    const qbank::CheckReport report = qbank::checkBankFile(parsed->input, options);
    for (const qbank::Finding &finding : report.findings)
        print(stdout, finding.line());
    const QString what = u"%1 questions, %2 question types%3"_s.arg(report.questions)
                             .arg(report.sorts)
                             .arg(options.pictures.isEmpty() ? u", pictures not looked at"_s
                                                             : u", pictures in "_s + options.pictures);
    if (report.findings.empty()) {
        print(stdout, u"%1: no findings (%2)"_s.arg(parsed->input, what));
        return kDone;
    }
    const QString count =
        report.findings.size() == 1 ? u"1 finding"_s : u"%1 findings"_s.arg(report.findings.size());
    print(stdout, u"%1: %2 (%3)"_s.arg(parsed->input, count, what));
    return kFindings;
}

int runStats(const QStringList &args)
{
    if (wantsHelp(args)) {
        print(stdout, QString::fromLatin1(kStatsHelp));
        return kDone;
    }
    const auto parsed = parse(args, {});
    if (!parsed)
        return usage(kStatsHelp);
    const qbank::Bank bank = qbank::toBank(qbank::readRawBank(parsed->input));
    std::fputs(qbank::statsText(bank, parsed->input).toUtf8().constData(), stdout);
    return kDone;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    QStringList args = application.arguments().mid(1);
    if (args.isEmpty() || args.first() == u"--help"_s || args.first() == u"-h"_s) {
        print(args.isEmpty() ? stderr : stdout, QString::fromLatin1(kUsageText));
        return args.isEmpty() ? kUsage : kDone;
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
        print(stderr, u"qbank %1: %2"_s.arg(command, errorText(e)));
        return kFaulty;
    }
    print(stderr, u"qbank: unknown command “%1”\n"_s.arg(command) + QString::fromLatin1(kUsageText));
    return kUsage;
}
