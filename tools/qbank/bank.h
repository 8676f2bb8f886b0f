#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace qbank {

// A question bank as the import format describes it.
struct Option {
    qint64 optid = 0;
    QString optcontent;
    qint64 iskey = 0;
};

struct Question {
    qint64 subid = 0;
    qint64 typeId = 0;
    qint64 sortId = 0;
    qint64 stid = 0;
    QString subtitle;
    QString subpic = QStringLiteral("NULL");
    std::optional<QString> info;
    qint64 errorTimes = 0;
    std::vector<Option> options; // in the order the program delivers them
};

struct Sort {
    qint64 sortId = 0;
    QString sortname;
    std::array<qint64, 5> scale{};
    qint64 subject = 1; // the exam: 1 = 科目一, 4 = 科目四
};

struct Bank {
    std::vector<Sort> sorts;
    std::vector<Question> questions;
};

struct BankSource;

// Reads a bank in the import format. `source` names the file in messages.
// Throws AppError naming every value the bank cannot hold and where (line
// and column for bad JSON; the question's position and subid and the field
// otherwise).
Bank parseBank(const QByteArray &json, const QString &source);
// Reads a bank file, JSON or database, as import does: a bank in which
// check finds anything about its questions or question types is refused
// with an AppError that names every finding and its question.
Bank readBankFile(const QString &path);
// Reads a bank file, JSON or database, as export and stats do: refused only
// for a value the bank cannot hold.
Bank loadBank(const QString &path);

// Writes the bank as a new question bank at `path`. The database is built in
// a new file beside it and moved into place only when complete, so a failure
// leaves what was at `path` untouched.
void writeBankDatabase(const Bank &bank, const QString &path);
// Reads a bank as readBankFile() does and writes it as writeBankDatabase()
// does, question by question. Returns how many types and questions it wrote.
std::pair<size_t, size_t> importBank(const BankSource &source, const QString &path);

} // namespace qbank
