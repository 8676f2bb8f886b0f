#include "answersheet.h"

#include "fonts.h"

#include <QHeaderView>

namespace {

// 37 pixels of cell and one of grid line.
constexpr int kCellPitch = 38;

} // namespace

AnswerSheet::AnswerSheet(QWidget *parent) : QTableWidget(kRows, kColumns, parent)
{
    setFont(fonts::sans(13));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setDefaultSectionSize(kCellPitch);
    verticalHeader()->setDefaultSectionSize(kCellPitch);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    setWordWrap(false);
}

void AnswerSheet::number(int questionCount)
{
    const int rows = std::max(kRows, (questionCount + kColumns - 1) / kColumns);
    setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const int question = questionAt(row, column);
            auto *item = new QTableWidgetItem(question <= questionCount ? QString::number(question) : QString());
            item->setTextAlignment(Qt::AlignCenter);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            setItem(row, column, item);
        }
    }
}

QString AnswerSheet::cellText(int question) const
{
    const QTableWidgetItem *cell = item(rowOf(question), columnOf(question));
    return cell ? cell->text() : QString();
}

void AnswerSheet::setCellText(int question, const QString &text)
{
    if (QTableWidgetItem *cell = item(rowOf(question), columnOf(question)))
        cell->setText(text);
}

void AnswerSheet::keyboardSearch(const QString &) {}
