#pragma once

#include "bank.h"
#include "rawbank.h"

#include <QString>
#include <vector>

namespace qbank {

// One thing in a bank that the program cannot live with, naming the question,
// question type or table it is about.
struct Finding {
    // What it stops, from the most fundamental on.
    enum class Level {
        Value,   // a value the bank cannot hold (a null or a fraction for an integer, a duplicate
                 // subid, a picture path out of upload/, a missing column): every command stops
        Rule,    // a question or type the program cannot use: import refuses it
        Paper,   // a vehicle class whose paper the bank cannot fill
        Picture, // a picture file that is not there or cannot be read
    };
    Level level = Level::Rule;
    QString about; // "试题 subid 17", "题型 sortId 3（文明驾驶常识）", "表 note"
    QString text;  // what is wrong
    QString where; // where it stands in the file ("questions[3]"), when known

    QString line() const { return about + QStringLiteral("：") + text; }
    // The line with the place in the file: "试题 subid 17，questions[3]：…".
    QString placed() const;
};

// Listed findings; the rest are counted.
constexpr qsizetype kListedFindings = 100;

struct CheckOptions {
    // The folder the pictures are in (upload/ of a program folder); empty:
    // pictures are not looked at.
    QString pictures;
    // The findings that count, up to this level; the rest are not looked for.
    Finding::Level upTo = Finding::Level::Picture;
};

// The vehicle classes in the order of the vehicle-class list; class k takes
// its shares from column "scale" + k.
QString vehicleClassName(int classIndex);
constexpr int kVehicleClasses = 5;

struct CheckReport {
    std::vector<Finding> findings; // the first kListedFindings
    qint64 count = 0;              // all of them
    size_t questions = 0;
    size_t sorts = 0;
    QString file;

    // Throws the AppError that refuses the bank: "<file>：有 N 处问题，<refused>："
    // and every listed finding with its place.
    [[noreturn]] void refuse(const QString &refused) const;
};

// Receives the bank, made of the values read, for as long as no finding
// counts: question types first, then questions with their options.
class BankUser {
public:
    virtual ~BankUser() = default;
    virtual void sort(const Sort &sort) = 0;
    // `raw` is the question as read (export writes a null subpic as null).
    virtual void question(const Question &question, const RawQuestion &raw) = 0;
};

// Keeps the bank as it is handed over.
class BankCollector : public BankUser {
public:
    void sort(const Sort &sort) override { bank.sorts.push_back(sort); }
    void question(const Question &question, const RawQuestion &) override { bank.questions.push_back(question); }

    Bank bank;
};

// Reads a bank with the one reader and judges it against every rule the
// program relies on (up to options.upTo), handing it to `user` while no
// finding counts. The rules:
// - the tables, columns and the index subId are there, note numbers its rows
//   itself and starts optionid and isright at 0 (databases);
// - every value the program reads as an integer is one, and the texts it
//   reads are not null (subpic and info may be);
// - the bank has questions and types; no text holds a NUL character; a
//   question has at most kKeptOptions options (only so many are read) and
//   the bank at most 10,000 types;
// - subid is unique, and so is sortId in sort; no share is negative;
// - a question type's subject is 1 (科目一, the default) or 4 (科目四); a
//   question's subject, when given, is its type's;
// - typeId is 1, 2 or (in a 科目四 type only) 3, and sortId names a type;
// - a true/false question has two options, a one-answer question two to
//   four, and each exactly one with iskey 1; a multi-answer question four,
//   at least two of them with iskey 1; optid is unique within the question
//   and never 0 (0 marks an unanswered question);
// - every option's subid is a question's;
// - subpic is a file name inside upload/, and with a pictures folder given,
//   the file or its 2x partner (name@2x.jpg), or both, are there and are
//   pictures Qt reads, the partner exactly twice the picture's size;
// - for every vehicle class, every 科目一 type with a positive share s holds
//   at least (4*s) div 10 true/false and s minus that many one-answer
//   questions, and the 科目四 types together give the class's paper (20
//   true/false, 20 one-answer, 10 multi-answer for shares summing to 50, as
//   exam::planPaper shares it out), so a paper needs no question twice.
// Throws AppError when the bank cannot be read at all, or the pictures
// folder is not there.
CheckReport readBank(const BankSource &source, const CheckOptions &options, BankUser *user = nullptr,
                     bool databaseOnly = false);

// Checks a data.db or JSON bank against every rule.
CheckReport checkBankFile(const QString &path, const CheckOptions &options);

} // namespace qbank
