#pragma once

#include "table.h"

#include <QObject>
#include <vector>

// The data module: the three tables every window shares. A filter, sort
// order or current row that one window sets stays until another changes it.
// It also keeps the exam the pupil works on (科目一 or 科目四), which every
// window that reads questions or types follows.
class Tado : public QObject {
    Q_OBJECT
public:
    explicit Tado(QObject *parent = nullptr);

    // Builds the program-wide connection string for the question bank
    // data.db in the folder (the program folder, or the pupil's own copy
    // when the program folder cannot be written) and opens subject (by its
    // index subId), sort (sorted by sortId) and options. A bank opened
    // read-only is never written.
    void FormCreate(const QString &bankFolder, bool readOnly = false);

    data::Table subject{QStringLiteral("subject")};
    data::Table sort{QStringLiteral("sort")};
    data::Table options{QStringLiteral("options")};

    // The exams the bank holds questions for, ascending (科目一 alone for a
    // bank made before the exams were told apart).
    const std::vector<int> &exams() const { return m_exams; }
    bool holds(int exam) const;
    bool severalExams() const { return m_exams.size() > 1; }

    // The exam the pupil works on: 科目一, or 科目四 on a bank that holds only
    // 科目四. Setting an exam the bank does not hold is an error.
    int exam() const { return m_exam; }
    void setExam(int exam);
    // The chosen exam's question types, ascending, when the bank holds more
    // than one exam; empty when it holds one (every type is the exam's).
    const std::vector<qint64> &examSortIds() const { return m_examSortIds; }

    // Filter conditions that keep the chosen exam's rows, for a window to
    // join with "and" to its own (see andFilter()); empty when the bank holds
    // one exam, so that every row is the chosen exam's.
    QString examTypes() const;     // on sort
    QString examQuestions() const; // on subject
    // Filters sort to the chosen exam's types (or switches its filter off
    // when the bank holds one exam).
    void keepExamTypes();

private:
    void chooseExam(int exam);

    std::vector<int> m_exams{1};
    int m_exam = 1;
    std::vector<std::pair<int, qint64>> m_types; // exam, sortId: every type, ascending sortId
    std::vector<qint64> m_examSortIds; // see examSortIds()
};
