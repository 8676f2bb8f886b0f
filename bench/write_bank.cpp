// Writes a generated question bank (bench::generatedBank) as a question bank
// file, for benchmarks that run the program itself on a large bank:
//
//   write_bank QUESTIONS FILE
#include "bank.h"
#include "benchcore.h"

#include <QCoreApplication>
#include <cstdio>
#include <exception>

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    bool ok = false;
    const int questions = arguments.size() == 3 ? arguments[1].toInt(&ok) : 0;
    if (!ok || questions < 1) {
        std::fprintf(stderr, "usage: write_bank QUESTIONS FILE\n");
        return 2;
    }
    try {
        qbank::writeBankDatabase(bench::generatedBank(questions), arguments[2]);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "write_bank: %s\n", error.what());
        return 1;
    }
    return 0;
}
