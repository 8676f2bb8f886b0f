#include "tlxxc.h"

#include "connection.h"
#include "fonts.h"
#include "questionview.h"
#include "tado.h"
#include "tllst.h"
#include "widgets.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>

using namespace Qt::StringLiterals;

RadioGroup::RadioGroup(QWidget *parent, const QString &name, const QString &caption, const QRect &bounds)
    : QGroupBox(caption, parent)
{
    setObjectName(name);
    setGeometry(bounds);
    m_area = new QScrollArea(this);
    m_area->setFrameShape(QFrame::NoFrame);
    m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_area->setWidgetResizable(false);
    m_column = new QWidget;
    m_area->setWidget(m_column);
    m_group = new QButtonGroup(this);
    m_group->setExclusive(true);
    // The chosen item stays in view when the column scrolls.
    connect(m_group, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            m_area->ensureWidgetVisible(m_buttons.value(id), 0, 0);
    });
    arrange();
}

void RadioGroup::clearItems()
{
    for (QRadioButton *b : std::as_const(m_buttons)) {
        m_group->removeButton(b);
        delete b;
    }
    m_buttons.clear();
    arrange();
}

void RadioGroup::addItem(const QString &text)
{
    auto *b = new QRadioButton(text, m_column);
    b->setObjectName(u"rgpItem%1"_s.arg(m_buttons.size()));
    m_group->addButton(b, static_cast<int>(m_buttons.size()));
    m_buttons.append(b);
    b->show();
    arrange();
}

QString RadioGroup::itemText(int index) const
{
    QRadioButton *b = m_buttons.value(index);
    return b ? b->text() : QString();
}

int RadioGroup::itemIndex() const
{
    return m_group->checkedId();
}

void RadioGroup::setItemIndex(int index)
{
    if (QRadioButton *b = m_buttons.value(index))
        b->setChecked(true);
}

void RadioGroup::resizeEvent(QResizeEvent *event)
{
    QGroupBox::resizeEvent(event);
    arrange();
}

void RadioGroup::arrange()
{
    // The area below the caption, inside the frame.
    const QRect inside = contentsRect();
    m_area->setGeometry(inside);
    const int n = static_cast<int>(m_buttons.size());
    if (n == 0) {
        m_column->resize(inside.size());
        return;
    }
    // The circle and the text's glyphs, which are as high as the font's size;
    // the text's line is centred on it. The font's own line, much taller in
    // a CJK face, would let far fewer items fit than the group was made for.
    const QFontInfo face(font());
    const int lineHeight = qMax(face.pixelSize() + 4,
                                style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, nullptr, this) + 2);
    // Each item gets an equal share of the height, its text centred in it,
    // but never less than its own height: then the column scrolls.
    int slot = inside.height() / n;
    int width = inside.width();
    if (slot < lineHeight) {
        slot = lineHeight;
        width -= m_area->verticalScrollBar()->sizeHint().width();
    }
    const int top = slot * n < inside.height() ? (inside.height() - slot * n) / 2 : 0;
    // Each button as wide as its circle and text, which is where it takes clicks.
    for (int i = 0; i < n; ++i)
        m_buttons[i]->setGeometry(6, top + i * slot + (slot - lineHeight) / 2,
                                  qMin(m_buttons[i]->sizeHint().width(), width - 12), lineHeight);
    m_column->resize(width, qMax(inside.height(), top + slot * n));
}

Tlxxc::Tlxxc(QWidget *parent) : Form(parent)
{
    setObjectName(u"lxxc"_s);
    setupWindow(Frame::None, TitleButtons::None, QSize(798, 586), true);

    Image1 = new Picture(this, u"Image1"_s, QRect(0, 0, 801, 89), Picture::Fit::Stretch);
    Image1->setPicture(u":/assets/banner_header.png"_s);
    Label6 = makeLabel(this, u"Label6"_s, u"浏览试题"_s, QPoint(32, 64), fonts::song(16, true));
    QPalette headingPalette = Label6->palette();
    headingPalette.setColor(QPalette::Window, menuBarColour());
    Label6->setPalette(headingPalette);
    Label6->setAutoFillBackground(true);

    Label1 = makeLabel(this, u"Label1"_s, u"选择考试车型："_s, QPoint(24, 112), font());
    cbx = new QComboBox(this);
    cbx->setObjectName(u"cbx"_s);
    cbx->setEditable(false);
    cbx->setFont(fonts::song(14));
    cbx->addItems({u"C1、C2、C3、C4"_s, u"A2、B2"_s, u"A1、A3、B1"_s});
    cbx->setCurrentIndex(0);
    cbx->setGeometry(128, 104, 161, cbx->sizeHint().height());

    rgp = new RadioGroup(this, u"rgp"_s, u"请选择题目类型："_s, QRect(24, 144, 745, 393));
    rgp->setFont(fonts::song(13));
    setTextColour(rgp, QColor(0, 0, 255));

    Button1 = makeButton(this, u"Button1"_s, u"浏览题库"_s, QRect(296, 545, 80, 25));
    Button2 = makeButton(this, u"Button2"_s, u"返回主界面"_s, QRect(403, 545, 80, 25));

    QObject::connect(cbx, &QComboBox::currentIndexChanged, this,
                     [this] { app::guarded([this] { cbxChange(); }); });
    onEvent(Button1, &QPushButton::clicked, this, &Tlxxc::Button1Click);
    onEvent(Button2, &QPushButton::clicked, this, &Tlxxc::Button2Click);
}

void Tlxxc::FormCreate()
{
    BuildTypeList(cbx->currentIndex());
}

void Tlxxc::cbxChange()
{
    BuildTypeList(cbx->currentIndex());
}

void Tlxxc::BuildTypeList(int classIndex)
{
    Button1->setEnabled(false);
    rgp->clearItems();
    m_types.clear();

    Tado &ado = app::ado();
    // The types of the exam the pupil works on.
    ado.keepExamTypes();
    ado.sort.first();
    const QString scale = u"scale%1"_s.arg(classIndex);
    for (; !ado.sort.eof(); ado.sort.next()) {
        if (ado.sort.asInt(scale) <= 0)
            continue;
        const qint64 sortId = ado.sort.asInt(u"sortID"_s);
        m_types.push_back(sortId);
        // The count is over the whole bank: the class only picks the types.
        m_count.setFilter(u"sortID=%1"_s.arg(sortId));
        m_count.setFiltered(true);
        if (!m_count.isOpen()) { // opened filtered: it never reads the whole bank
            m_count.setConnectionString(data::connectionString());
            m_count.open();
        }
        rgp->addItem(ado.sort.asText(u"sortname"_s) + u" ("_s + QString::number(m_count.recordCount()) +
                     u" 题)"_s);
    }
    if (rgp->count() > 0) {
        rgp->setItemIndex(0);
        Button1->setEnabled(true);
    }

    // Tab goes from the class to the types and on to the buttons.
    QWidget *previous = cbx;
    for (int i = 0; i < rgp->count(); ++i) {
        QWidget::setTabOrder(previous, rgp->button(i));
        previous = rgp->button(i);
    }
    QWidget::setTabOrder(previous, Button1);
    QWidget::setTabOrder(Button1, Button2);
}

void Tlxxc::Button1Click()
{
    const int index = rgp->itemIndex();
    if (index < 0 || index >= static_cast<int>(m_types.size()))
        return;
    setTag(static_cast<int>(m_types[static_cast<size_t>(index)]));
    app::showWindow(app::build<Tllst>());
}

void Tlxxc::Button2Click()
{
    hide();
}
