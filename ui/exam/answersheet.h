#pragma once

#include <QFontMetricsF>
#include <QHash>
#include <QTableWidget>

// The exam window's answer sheet: 20 cells a row, a cell per question, five
// rows or as many as the paper needs. Cells are never edited, and typing on
// it does not jump to a cell (the keypad keys belong to the exam window).
//
// A paper of more than 100 questions scrolls: the scroll bar stands beside
// the 20 columns, which narrow by a pixel to make room for it. A cell whose
// text is wider than the cell shows it in a smaller font.
class AnswerSheet : public QTableWidget {
    Q_OBJECT
public:
    static constexpr int kColumns = 20;
    static constexpr int kRows = 5;
    // The answer marks a cell may hold after its number.
    static const QString kMarks;

    explicit AnswerSheet(QWidget *parent);

    // Numbers the cells 1 to questionCount, row by row; the rest stay empty.
    void number(int questionCount);
    QString cellText(int question) const;
    void setCellText(int question, const QString &text);
    // The question a cell stands for (1 upwards).
    static int questionAt(int row, int column) { return row * kColumns + column + 1; }
    static int rowOf(int question) { return (question - 1) / kColumns; }
    static int columnOf(int question) { return (question - 1) % kColumns; }

    void keyboardSearch(const QString &search) override;

private:
    // The width a cell's text may take before it would be cut short.
    int textRoom(int column) const;
    void fitText(QTableWidgetItem *cell);

    QHash<int, QFontMetricsF> m_metrics; // by pixel size, made when first needed
};
