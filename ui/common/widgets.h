#pragma once

#include <QColor>
#include <QLabel>
#include <QPen>
#include <QWidget>

// A filled and outlined rectangle; mouse clicks go through it.
class Shape : public QWidget {
public:
    Shape(QWidget *parent, const QString &name, const QRect &bounds, const QColor &fill,
          const QColor &outline, int outlineWidth = 1);
    // An outline only.
    Shape(QWidget *parent, const QString &name, const QRect &bounds, const QColor &outline);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_fill;
    QColor m_outline;
    int m_outlineWidth;
};

// A label that emits clicked() for a left click inside it.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget *parent) : QLabel(parent) {}

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// A picture: stretched to its bounds, or centred and not scaled.
class Picture : public ClickLabel {
    Q_OBJECT
public:
    enum class Fit { Stretch, Centre };
    Picture(QWidget *parent, const QString &name, const QRect &bounds, Fit fit);
};

// A label at a position: sized to its text, or with fixed bounds (optionally
// word-wrapped). Labels are transparent, so they show what lies beneath.
QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, const QPoint &at,
                  const QFont &font, const QColor &colour = Qt::black);
QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, const QRect &bounds,
                  const QFont &font, const QColor &colour = Qt::black, bool wordWrap = false);

// Sets a widget's text colour.
void setTextColour(QWidget *widget, const QColor &colour);
