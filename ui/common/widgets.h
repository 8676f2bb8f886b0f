#pragma once

#include <QColor>
#include <QLabel>
#include <QPen>
#include <utility>

class QPushButton;
class QScrollBar;
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

// A text label that sets its lines the way the windows' layouts were
// designed: the glyphs' em box at the top of the label. Lines stand the
// face's real height apart (linePitch()), so that the glyphs of neighbouring
// lines never touch; CJK faces carry far more leading than that, and a plain
// QLabel would cut the text off at the bottom of its bounds. Carriage returns
// and line feeds break lines. A word-wrapped label set from its top whose
// text needs more lines than its bounds hold grows downwards to hold them
// when first shown.
//
// A text longer than the label is cut off at its bounds, unless the label is
// told to fit long texts (fitLongTexts). Such a label shows them instead:
// - a one-line label whose text is wider than it wraps the text onto up to
//   `lines` lines and takes `room` (in its parent's coordinates), the lines
//   centred in it; a text that fits keeps the label's own bounds;
// - a word-wrapped label keeps its bounds and shows the lines they hold;
// - a text that still does not fit ends in "…", and the tooltip shows it
//   whole.
// A word-wrapped label told to scroll long texts (scrollLongTexts) shows
// every line instead: a text longer than the label gets a vertical scroll
// bar at the label's right edge, its lines wrapped beside it, and scrolls a
// line at a time with the bar and the mouse wheel, a page at a time with
// scrollPage(). A text that fits is shown as ever, without a bar.
class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(QWidget *parent) : QLabel(parent) {}
    // The distance from one line to the next: the height of the face's ink,
    // from the top of its ideographs to the foot of its descenders, and a
    // pixel between them.
    static int linePitch(const QFont &font);

    // Takes the label's present bounds as its own; `lines` and `room` only
    // for a one-line label.
    void fitLongTexts(int lines = 1, const QRect &room = QRect());
    void scrollLongTexts();
    // Sets the text; a label that fits long texts takes the room the text
    // needs and sets its tooltip; one that scrolls them starts at the top.
    void setFittedText(const QString &text);

    // The lines the text is drawn in, and whether it is cut short ("…").
    int lineCount() const;
    bool isElided() const;

    // Scrolling: the bar (hidden while the text fits), a page further or
    // back to the start from the last page, and the lines in view as text.
    QScrollBar *scrollBar() const { return m_bar; }
    void scrollPage();
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    struct Lines;
    Lines layOut(int width) const;
    int lineLimit() const;
    int pitch() const;
    int linesHeld() const;
    int textWidth() const;
    // The first line in view and how many are.
    std::pair<size_t, size_t> linesInView(size_t lines) const;
    void updateScrollBar();

    bool m_fit = false;
    int m_maxLines = 1;
    QRect m_room;
    QRect m_home;
    Qt::Alignment m_homeAlignment;
    bool m_homeWrap = false;
    QScrollBar *m_bar = nullptr; // a label that scrolls long texts
    QString m_barText;           // the text the bar was set for
};

// A label that emits clicked() for a left click inside it.
class ClickLabel : public Label {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget *parent) : Label(parent) {}

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// A picture: stretched to its bounds, or centred and not scaled. Pictures
// are read for the device pixel ratio they are shown at: above 1 from the
// file's 2x partner ("name@2x.png" beside "name.png") when there is one,
// brought to the ratio by smooth scaling (1.5x from the 2x file), so that
// they are as sharp as the text; at 1 from the file itself, as they always
// were.
class Picture : public ClickLabel {
    Q_OBJECT
public:
    enum class Fit { Stretch, Centre };
    Picture(QWidget *parent, const QString &name, const QRect &bounds, Fit fit);

    // Shared window pictures: shows a picture of the program's resources,
    // made when the picture is first shown (see sharedPicture()). A window
    // shown right away has its pictures decoded in the background meanwhile.
    enum class Decode { AtFirstShow, InBackground };
    void setPicture(const QString &resource, Decode decode = Decode::AtFirstShow);
    // A picture file of its own (a question's), read now; false, and the
    // picture cleared, when neither the file nor its 2x partner can be read.
    bool setPictureFile(const QString &file);
    // The file the picture shown was read from: the one given or its 2x
    // partner.
    QString source() const { return m_source; }
    bool isStretched() const { return m_stretch; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    QSize pictureSize() const;
    void makePicture();

    bool m_stretch;
    QString m_resource; // a shared picture still to be made
    QString m_source;
};

// The file a picture is read from at a device pixel ratio: above 1, its 2x
// partner when that is there, else the file itself.
QString pictureSource(const QString &file, qreal dpr);
// The 2x partner of a picture file: "sign.jpg" → "sign@2x.jpg".
QString twoTimesFile(const QString &file);
// A decoded picture ready to show at a device pixel ratio: `size` (in
// pixels of the layout) when given, else the picture's own size, in that
// many device pixels per pixel; scaled smoothly only where its pixels differ.
QPixmap fitPicture(QImage image, qreal dpr, const QSize &size = QSize());

// Shared window pictures: a picture of the program's resources, read for a
// device pixel ratio once for the whole run and shared by every window that
// shows it. With a size, the picture stretched to that size as a stretched
// Picture draws it, also made once; the decoded original is then not kept.
QPixmap sharedPicture(const QString &resource, qreal dpr = 1, const QSize &size = QSize());

// A label at a position: sized to its text, or with fixed bounds (optionally
// word-wrapped). Labels are transparent, so they show what lies beneath.
Label *makeLabel(QWidget *parent, const QString &name, const QString &text, const QPoint &at,
                 const QFont &font, const QColor &colour = Qt::black);
Label *makeLabel(QWidget *parent, const QString &name, const QString &text, const QRect &bounds,
                 const QFont &font, const QColor &colour = Qt::black, bool wordWrap = false);

// A push button with fixed bounds, in the window's font or in `font`.
// Buttons that must leave the keyboard focus where it is take Qt::ClickFocus.
QPushButton *makeButton(QWidget *parent, const QString &name, const QString &text, const QRect &bounds);
QPushButton *makeButton(QWidget *parent, const QString &name, const QString &text, const QRect &bounds,
                        const QFont &font, Qt::FocusPolicy focus);

// Sets a widget's text colour.
void setTextColour(QWidget *widget, const QColor &colour);
