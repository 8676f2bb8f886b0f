#include "widgets.h"

#include <QMouseEvent>
#include <QPainter>

Shape::Shape(QWidget *parent, const QString &name, const QRect &bounds, const QColor &fill,
             const QColor &outline, int outlineWidth)
    : QWidget(parent), m_fill(fill), m_outline(outline), m_outlineWidth(outlineWidth)
{
    setObjectName(name);
    setGeometry(bounds);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

Shape::Shape(QWidget *parent, const QString &name, const QRect &bounds, const QColor &outline)
    : Shape(parent, name, bounds, QColor(), outline, 1)
{
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect area = rect();
    if (m_fill.isValid())
        painter.fillRect(area, m_fill);
    if (m_outline.isValid() && m_outlineWidth > 0) {
        QPen pen(m_outline, m_outlineWidth);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        const double half = m_outlineWidth / 2.0;
        painter.drawRect(QRectF(area).adjusted(half, half, -half, -half));
    }
}

Picture::Picture(QWidget *parent, const QString &name, const QRect &bounds, Fit fit)
    : ClickLabel(parent)
{
    setObjectName(name);
    setGeometry(bounds);
    if (fit == Fit::Stretch)
        setScaledContents(true);
    else
        setAlignment(Qt::AlignCenter);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::ButtonText, colour);
    p.setColor(QPalette::Text, colour);
    widget->setPalette(p);
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, const QPoint &at,
                  const QFont &font, const QColor &colour)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    setTextColour(label, colour);
    label->move(at);
    label->adjustSize();
    return label;
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, const QRect &bounds,
                  const QFont &font, const QColor &colour, bool wordWrap)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    setTextColour(label, colour);
    label->setGeometry(bounds);
    label->setWordWrap(wordWrap);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}
