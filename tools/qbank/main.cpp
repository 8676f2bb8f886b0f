// qbank: the question-bank tool. Turns a bank written as JSON into the
// program's data.db.
#include "apperror.h"
#include "bank.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// Exit statuses: 0 done, 1 usage error, 2 the input or output is faulty.
constexpr int kUsage = 1;
constexpr int kFaulty = 2;

void print(FILE *stream, const QString &text)
{
    std::fputs(text.toUtf8().constData(), stream);
    std::fputc('\n', stream);
}

const char *const kUsageText =
    "usage: qbank <command> [options]\n"
    "\n"
    "commands:\n"
    "  import <bank.json> -o <data.db>   build a question bank from JSON\n"
    "\n"
    "qbank <command> --help tells more about a command.";

const char *const kImportHelp =
    "usage: qbank import <bank.json> -o <data.db>\n"
    "\n"
    "Reads a question bank written as JSON (see tools/qbank/README.md) and\n"
    "writes it as the program's SQLite question bank. The new database is\n"
    "built beside the target and moved into place only when complete.\n"
    "Exit status: 0 done, 1 wrong arguments, 2 the JSON is faulty or the\n"
    "database cannot be written (the message names the question and field).";

int runImport(const QStringList &args)
{
    if (args.contains(u"--help"_s) || args.contains(u"-h"_s)) {
        print(stdout, QString::fromLatin1(kImportHelp));
        return 0;
    }
    QString input;
    QString output;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == u"-o"_s && i + 1 < args.size())
            output = args[++i];
        else if (input.isEmpty() && !args[i].startsWith(u'-'))
            input = args[i];
        else {
            print(stderr, QString::fromLatin1(kImportHelp));
            return kUsage;
        }
    }
    if (input.isEmpty() || output.isEmpty()) {
        print(stderr, QString::fromLatin1(kImportHelp));
        return kUsage;
    }
    const qbank::Bank bank = qbank::readBankFile(input);
    qbank::writeBankDatabase(bank, output);
    print(stdout, u"%1: %2 question types, %3 questions"_s.arg(output).arg(bank.sorts.size()).arg(
        bank.questions.size()));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    QStringList args = application.arguments().mid(1);
    if (args.isEmpty() || args.first() == u"--help"_s || args.first() == u"-h"_s) {
        print(args.isEmpty() ? stderr : stdout, QString::fromLatin1(kUsageText));
        return args.isEmpty() ? kUsage : 0;
    }
    const QString command = args.takeFirst();
    try {
        if (command == u"import"_s)
            return runImport(args);
    } catch (const std::exception &e) {
        print(stderr, u"qbank %1: %2"_s.arg(command, errorText(e)));
        return kFaulty;
    }
    print(stderr, u"qbank: unknown command “%1”\n"_s.arg(command) + QString::fromLatin1(kUsageText));
    return kUsage;
}
