#pragma once

#include "rawbank.h"

#include <QString>
#include <vector>

namespace qbank {

// One thing in a bank that the program cannot live with, naming the question,
// question type or table it is about.
struct Finding {
    QString about; // "试题 subid 17", "题型 sortId 3（文明驾驶常识）", "表 note"
    QString text;  // what is wrong

    QString line() const { return about + QStringLiteral("：") + text; }
};

struct CheckOptions {
    // The folder the pictures are in (upload/ of a program folder); empty:
    // pictures are not looked at.
    QString pictures;
    // Whether the question types' shares are weighed against the questions
    // the bank holds for them.
    bool papers = true;
};

// The vehicle classes in the order of the vehicle-class list; class k takes
// its shares from column "scale" + k.
QString vehicleClassName(int classIndex);
constexpr int kVehicleClasses = 5;

// Every rule the program relies on, checked on a bank as it stands:
// - the tables, columns and the index subId are there, note numbers its rows
//   itself and starts optionid and isright at 0 (databases);
// - every value the program reads as an integer is one, and the texts it
//   reads are not null (subpic and info may be);
// - subid is unique, and so is sortId in sort;
// - typeId is 1 or 2, and sortId names a question type;
// - a true/false question has two options, a multiple-choice question two
//   to four; exactly one of them has iskey 1; optid is unique within the
//   question and never 0 (0 marks an unanswered question);
// - every option's subid is a question's;
// - subpic is a file name inside upload/, and with a pictures folder given,
//   the file or its 2x partner (name@2x.jpg), or both, are there and are
//   pictures Qt reads, the partner exactly twice the picture's size;
// - for every vehicle class, every question type with a positive share s
//   holds at least (4*s) div 10 true/false and s minus that many
//   multiple-choice questions, so a paper needs no question twice.
std::vector<Finding> checkBank(const RawBank &bank, const CheckOptions &options);

// What import refuses: every finding about the bank's questions and
// question types, the pictures and the shares of a paper aside (a paper
// short of questions is reported when it is drawn).
std::vector<Finding> importFindings(const RawBank &bank);

struct CheckReport {
    std::vector<Finding> findings;
    size_t questions = 0;
    size_t sorts = 0;
};

// Reads a data.db or JSON bank and checks it. A JSON bank that passes every
// rule is also read as import reads it, and what import would refuse is a
// finding too. Throws AppError when the file cannot be read at all, or the
// pictures folder is not there.
CheckReport checkBankFile(const QString &path, const CheckOptions &options);

} // namespace qbank
