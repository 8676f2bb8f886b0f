#include "answersheet.h"

#include "fonts.h"

#include <QFontMetricsF>
#include <QHash>
#include <QHeaderView>
#include <QProxyStyle>
#include <QScrollBar>
#include <cmath>

using namespace Qt::StringLiterals;

const QString AnswerSheet::kMarks = u"ABCD√×"_s;

namespace {

// 37 pixels of cell and one of grid line.
constexpr int kCellPitch = 38;
constexpr int kCellPixels = 13;
// The smallest font a long cell text gets.
constexpr int kSmallestPixels = 8;

// The cells' texts are centred, so the margins the style keeps beside an
// item's text only make a text like "100√" too wide for its 37 pixels; a
// text that fits stands where it stood with them.
class SheetStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        if (metric == PM_FocusFrameHMargin)
            return 0;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

// Metrics by pixel size: a sheet of a thousand cells measures its texts at
// a handful of sizes, each made once.
using Metrics = QHash<int, QFontMetricsF>;

int textWidth(Metrics &metrics, const QString &text, int pixels)
{
    auto found = metrics.constFind(pixels);
    if (found == metrics.constEnd())
        found = metrics.insert(pixels, QFontMetricsF(fonts::sans(pixels)));
    return static_cast<int>(std::ceil(found->horizontalAdvance(text)));
}

// The size a cell's text is shown in: the sheet's own, or for a text too wide
// for it the size in which every answer of its kind to that question fits
// ("√" and "×", or "A" to "D"), so that the answered cells of a row look
// alike whichever mark they hold.
int cellPixels(Metrics &metrics, const QString &text, int room)
{
    if (textWidth(metrics, text, kCellPixels) <= room)
        return kCellPixels;
    QString number = text;
    while (!number.isEmpty() && !number.back().isDigit())
        number.chop(1);
    // The answers of its kind: one mark, or for a multi-answer question
    // (several letters) every letter at once, the widest it can hold.
    const bool several = text.size() - number.size() > 1;
    const QStringList answers = several ? QStringList{u"ABCD"_s}
                                : text.endsWith(u'√') || text.endsWith(u'×') ? QStringList{u"√"_s, u"×"_s}
                                                                            : QStringList{u"A"_s, u"B"_s, u"C"_s, u"D"_s};
    for (int pixels = kCellPixels - 1; pixels > kSmallestPixels; --pixels) {
        bool fits = textWidth(metrics, text, pixels) <= room;
        for (const QString &answer : answers)
            fits = fits && textWidth(metrics, number + answer, pixels) <= room;
        if (fits)
            return pixels;
    }
    return kSmallestPixels;
}

} // namespace

AnswerSheet::AnswerSheet(QWidget *parent) : QTableWidget(kRows, kColumns, parent)
{
    auto *style = new SheetStyle;
    style->setParent(this);
    setStyle(style);
    setFont(fonts::sans(kCellPixels));
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
    // More rows than the sheet shows: the columns give up the room of the
    // scroll bar, so that all 20 stay whole beside it.
    int pitch = kCellPitch;
    if (rows > kRows) {
        const int room = width() - 2 * frameWidth() - verticalScrollBar()->sizeHint().width();
        pitch = std::min(kCellPitch, room / kColumns);
    }
    horizontalHeader()->setDefaultSectionSize(pitch);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const int question = questionAt(row, column);
            auto *item = new QTableWidgetItem(question <= questionCount ? QString::number(question) : QString());
            item->setTextAlignment(Qt::AlignCenter);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            setItem(row, column, item);
            fitText(item);
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
    if (QTableWidgetItem *cell = item(rowOf(question), columnOf(question))) {
        cell->setText(text);
        fitText(cell);
    }
}

int AnswerSheet::textRoom(int column) const
{
    // The cell less its grid line and the margin the style keeps each side.
    const int gridLine = showGrid() ? 1 : 0;
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    return columnWidth(column) - gridLine - 2 * margin;
}

void AnswerSheet::fitText(QTableWidgetItem *cell)
{
    const int pixels = cellPixels(m_metrics, cell->text(), textRoom(cell->column()));
    cell->setData(Qt::FontRole, pixels == kCellPixels ? QVariant() : QVariant(fonts::sans(pixels)));
}

void AnswerSheet::keyboardSearch(const QString &) {}
