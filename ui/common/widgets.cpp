#include "widgets.h"

#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>
#include <QTextLayout>
#include <QThreadPool>
#include <future>
#include <limits>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

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
    : ClickLabel(parent), m_stretch(fit == Fit::Stretch)
{
    setObjectName(name);
    setGeometry(bounds);
    // A stretched picture is made in the size of the label (pictureSize()),
    // which draws it as it is from its top left corner.
    setAlignment(fit == Fit::Stretch ? Qt::AlignLeft | Qt::AlignTop : Qt::AlignCenter);
}

namespace {

// Shared window pictures, made once for the whole run: the pixmaps by
// resource, ratio and size, and the decoding that runs in the background.
struct SharedPictures {
    QHash<QString, QPixmap> pixmaps;
    QHash<QString, std::shared_future<QImage>> decoding;
};

SharedPictures &sharedPictures()
{
    static SharedPictures pictures;
    return pictures;
}

// One thread decodes, beside the thread that goes on with start-up: on two
// cores, more decoders would only take turns with it.
QThreadPool &decoder()
{
    struct Decoder : QThreadPool {
        Decoder() { setMaxThreadCount(1); }
    };
    static Decoder pool;
    return pool;
}

QString pictureKey(const QString &source, qreal dpr, const QSize &size)
{
    QString key = source;
    if (dpr != 1)
        key += u"@%1"_s.arg(dpr);
    if (size.isValid())
        key += u"@%1x%2"_s.arg(size.width()).arg(size.height());
    return key;
}

// Decoded as QPixmap(file) decodes; a 2x partner counts two device pixels
// per pixel whatever its reader says.
QImage readImage(const QString &source, const QString &file)
{
    QImage image = QImageReader(source).read();
    if (!image.isNull())
        image.setDevicePixelRatio(source == file ? 1 : 2);
    return image;
}

} // namespace

QString twoTimesFile(const QString &file)
{
    const qsizetype slash = file.lastIndexOf(u'/');
    const qsizetype dot = file.lastIndexOf(u'.');
    const qsizetype at = dot > slash ? dot : file.size();
    return file.left(at) + u"@2x"_s + file.mid(at);
}

QString pictureSource(const QString &file, qreal dpr)
{
    if (dpr > 1) {
        const QString partner = twoTimesFile(file);
        if (QFileInfo(partner).isFile())
            return partner;
    }
    return file;
}

QPixmap fitPicture(QImage image, qreal dpr, const QSize &size)
{
    if (image.isNull())
        return QPixmap();
    const QSizeF logical = size.isValid() ? QSizeF(size) : image.deviceIndependentSize();
    const QSize device = (logical * dpr).toSize();
    QPixmap picture = QPixmap::fromImage(std::move(image));
    if (picture.size() != device)
        picture = QPixmap::fromImage(picture.toImage().scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    picture.setDevicePixelRatio(dpr);
    return picture;
}

void Picture::setPicture(const QString &resource, Decode decode)
{
    m_resource = resource;
    SharedPictures &shared = sharedPictures();
    const qreal dpr = devicePixelRatio();
    const QString source = pictureSource(resource, dpr);
    if (decode == Decode::InBackground && !shared.decoding.contains(source) &&
        !shared.pixmaps.contains(pictureKey(resource, dpr, pictureSize()))) {
        // Images may be decoded on any thread; pixmaps are made on this one.
        auto task = std::make_shared<std::packaged_task<QImage()>>([source, resource] {
            return readImage(source, resource);
        });
        shared.decoding.insert(source, task->get_future().share());
        decoder().start([task] { (*task)(); });
    }
    if (isVisible())
        makePicture();
}

bool Picture::setPictureFile(const QString &file)
{
    m_resource.clear();
    const qreal dpr = devicePixelRatio();
    QString source = pictureSource(file, dpr);
    QImage image = readImage(source, file);
    if (image.isNull() && source == file) {
        // Only the 2x picture is there: it serves at every ratio.
        source = twoTimesFile(file);
        image = readImage(source, file);
    }
    const QPixmap picture = fitPicture(std::move(image), dpr);
    m_source = picture.isNull() ? QString() : source;
    setPixmap(picture);
    return !picture.isNull();
}

void Picture::showEvent(QShowEvent *event)
{
    if (!m_resource.isEmpty())
        makePicture();
    ClickLabel::showEvent(event);
}

QSize Picture::pictureSize() const
{
    return m_stretch ? contentsRect().size() : QSize();
}

void Picture::makePicture()
{
    const qreal dpr = devicePixelRatio();
    setPixmap(sharedPicture(m_resource, dpr, pictureSize()));
    m_source = pictureSource(m_resource, dpr);
    m_resource.clear();
}

QPixmap sharedPicture(const QString &resource, qreal dpr, const QSize &size)
{
    SharedPictures &shared = sharedPictures();
    const QString key = pictureKey(resource, dpr, size);
    const auto found = shared.pixmaps.constFind(key);
    if (found != shared.pixmaps.cend())
        return *found;
    // Kept here rather than in the pixmap cache.
    const QString source = pictureSource(resource, dpr);
    QImage image;
    const auto decoding = shared.decoding.find(source);
    if (decoding != shared.decoding.end()) {
        image = decoding->get();
        shared.decoding.erase(decoding);
    } else {
        image = readImage(source, resource);
    }
    const QPixmap picture = fitPicture(std::move(image), dpr, size);
    shared.pixmaps.insert(key, picture);
    return picture;
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

namespace {

int pixelsOf(const QFont &font)
{
    return font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
}

std::unique_ptr<QTextLayout> textLayout(const QString &text, const QFont &font, bool wrap)
{
    auto layout = std::make_unique<QTextLayout>(text, font);
    layout->setCacheEnabled(true);
    QTextOption option;
    option.setWrapMode(wrap ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
    layout->setTextOption(option);
    return layout;
}

// The text cut to `width` with "…" at its end; `always`: the "…" even when
// the text itself fits (more text follows it). The text is laid out once and
// cut where its line reaches the room left beside the "…", so that a long
// explanation costs one layout, not one per character dropped.
QString elided(const QString &text, const QFont &font, qreal width, bool always)
{
    const QFontMetricsF metrics(font);
    const auto layout = textLayout(text, font, false);
    layout->beginLayout();
    QTextLine line = layout->createLine();
    if (line.isValid())
        line.setLineWidth(1.0e6);
    layout->endLayout();
    if (!always && (!line.isValid() || line.naturalTextWidth() <= width))
        return text;
    const QString dots = u"…"_s;
    const qreal room = width - metrics.horizontalAdvance(dots);
    qsizetype cut = line.isValid() && room > 0 ? line.xToCursor(room, QTextLine::CursorBetweenCharacters) : 0;
    while (cut > 0 && line.cursorToX(static_cast<int>(cut)) > room)
        --cut;
    const auto head = [&text](qsizetype length) {
        // Never between the two halves of a character outside the BMP.
        if (length > 0 && length < text.size() && text.at(length - 1).isHighSurrogate())
            --length;
        return text.left(length);
    };
    // The cut as the text measures whole, head and "…" together.
    while (cut > 0 && metrics.horizontalAdvance(head(cut) + dots) > width)
        --cut;
    return head(cut) + dots;
}

} // namespace

namespace {

// The height a one-line text takes in the layouts: about one em, a pixel
// more at small sizes.
int emBlock(int pixels)
{
    return pixels > 16 ? pixels : pixels + 1;
}

} // namespace

int Label::linePitch(const QFont &font)
{
    static QHash<QString, int> pitches;
    const QString key = font.toString();
    const auto found = pitches.constFind(key);
    if (found != pitches.cend())
        return *found;
    // The tallest and the deepest glyphs the texts use: an ideograph, a
    // full-width bracket, a descender, a bar and the answer mark. With the
    // Noto CJK faces about 1.3 em: 21 pixels for 16, 19 for 14.
    const QRectF ink = QFontMetricsF(font).tightBoundingRect(u"国（g|√"_s);
    const int pitch = std::max(emBlock(pixelsOf(font)), static_cast<int>(std::ceil(ink.height())) + 1);
    pitches.insert(key, pitch);
    return pitch;
}

struct Label::Lines {
    std::vector<std::unique_ptr<QTextLayout>> layouts;
    std::vector<QTextLine> lines;
    std::vector<size_t> layoutOf; // the layout each line belongs to
    bool elided = false;
};

int Label::pitch() const
{
    const int face = linePitch(font());
    // A one-line text wrapped into its room shares the room evenly, so that
    // its lines stand no farther apart than the room from the next one's
    // (two lines of 16 px in the exam window's 37: 18 px).
    if (m_room.isValid() && wordWrap())
        return std::min(face, contentsRect().height() / m_maxLines);
    return face;
}

int Label::linesHeld() const
{
    // As many lines as have their em box inside the label.
    return std::max(1, (contentsRect().height() - pixelsOf(font())) / pitch() + 1);
}

int Label::lineLimit() const
{
    if (!m_fit || m_bar)
        return std::numeric_limits<int>::max();
    if (!wordWrap())
        return 1;
    const int held = linesHeld();
    return m_room.isValid() ? std::min(held, m_maxLines) : held;
}

int Label::textWidth() const
{
    const int width = contentsRect().width();
    return m_bar && !m_bar->isHidden() ? width - m_bar->width() : width;
}

Label::Lines Label::layOut(int width) const
{
    Lines out;
    const QFont f = font();
    const bool wrap = wordWrap();
    const size_t limit = static_cast<size_t>(lineLimit());

    static const QRegularExpression breaks(u"\\r\\n|\\r|\\n"_s);
    const QStringList paragraphs = text().split(breaks);
    QString lastParagraph; // the paragraph of the last line kept
    for (const QString &paragraph : paragraphs) {
        auto layout = textLayout(paragraph, f, wrap);
        layout->beginLayout();
        for (;;) {
            QTextLine line = layout->createLine();
            if (!line.isValid())
                break;
            line.setLineWidth(wrap ? width : 1.0e6);
            if (out.lines.size() == limit) {
                out.elided = true; // a line more than the label holds
                break;
            }
            out.lines.push_back(line);
            out.layoutOf.push_back(out.layouts.size());
            lastParagraph = paragraph;
        }
        layout->endLayout();
        out.layouts.push_back(std::move(layout));
        if (out.elided)
            break;
    }
    if (!m_fit || m_bar || out.lines.empty())
        return out;
    const QTextLine last = out.lines.back();
    if (!out.elided && last.naturalTextWidth() <= width)
        return out;

    // The last line takes the rest of its paragraph, cut to the label's
    // width and ended with "…".
    out.elided = true;
    auto layout = textLayout(elided(lastParagraph.mid(last.textStart()), f, width, true), f, false);
    layout->beginLayout();
    QTextLine line = layout->createLine();
    line.setLineWidth(1.0e6);
    layout->endLayout();
    out.lines.back() = line;
    out.layoutOf.back() = out.layouts.size();
    out.layouts.push_back(std::move(layout));
    return out;
}

int Label::lineCount() const
{
    return static_cast<int>(layOut(textWidth()).lines.size());
}

bool Label::isElided() const
{
    return layOut(textWidth()).elided;
}

void Label::fitLongTexts(int lines, const QRect &room)
{
    m_fit = true;
    m_maxLines = std::max(1, lines);
    m_room = wordWrap() || m_maxLines == 1 ? QRect() : room;
    m_home = geometry();
    m_homeAlignment = alignment();
    m_homeWrap = wordWrap();
}

void Label::scrollLongTexts()
{
    setWordWrap(true);
    if (m_bar)
        return;
    m_bar = new QScrollBar(Qt::Vertical, this);
    m_bar->setObjectName(objectName() + u"_scroll"_s);
    // The keys stay with the window and its answer sheet.
    m_bar->setFocusPolicy(Qt::NoFocus);
    m_bar->setSingleStep(1);
    m_bar->hide();
    connect(m_bar, &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));
    updateScrollBar();
}

void Label::updateScrollBar()
{
    m_barText = text();
    const QRect area = contentsRect();
    const int barWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_bar);
    m_bar->setGeometry(area.right() + 1 - barWidth, area.top(), barWidth, area.height());
    const int held = linesHeld();
    int lines = static_cast<int>(layOut(area.width()).lines.size());
    const bool scrolls = lines > held;
    if (scrolls)
        lines = static_cast<int>(layOut(area.width() - barWidth).lines.size());
    m_bar->setRange(0, scrolls ? lines - held : 0);
    m_bar->setPageStep(held);
    m_bar->setValue(0);
    m_bar->setVisible(scrolls);
    update();
}

void Label::scrollPage()
{
    if (!m_bar || m_bar->isHidden())
        return;
    const int value = m_bar->value();
    m_bar->setValue(value >= m_bar->maximum() ? 0 : std::min(m_bar->maximum(), value + m_bar->pageStep()));
}

QString Label::shownText() const
{
    const Lines laidOut = layOut(textWidth());
    const auto [first, count] = linesInView(laidOut.lines.size());
    QStringList shown;
    for (size_t i = first; i < first + count; ++i) {
        const QTextLine &line = laidOut.lines[i];
        shown << laidOut.layouts[laidOut.layoutOf[i]]->text().mid(line.textStart(), line.textLength());
    }
    return shown.join(u'\n');
}

std::pair<size_t, size_t> Label::linesInView(size_t lines) const
{
    if (!m_bar || m_bar->isHidden())
        return {0, lines};
    const size_t first = std::min(lines, static_cast<size_t>(m_bar->value()));
    return {first, std::min(lines - first, static_cast<size_t>(linesHeld()))};
}

void Label::setFittedText(const QString &text)
{
    setText(text);
    if (m_bar) {
        updateScrollBar();
        return;
    }
    if (!m_fit)
        return;
    if (m_room.isValid()) {
        setGeometry(m_home);
        setAlignment(m_homeAlignment);
        setWordWrap(m_homeWrap);
    }
    bool elided = isElided();
    if (elided && m_room.isValid()) {
        // A text that fits the label's own bounds stands there; a longer one
        // wraps within the room.
        setGeometry(m_room);
        setAlignment((m_homeAlignment & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter);
        setWordWrap(true);
        elided = isElided();
    }
    setToolTip(elided ? text : QString());
}

void Label::wheelEvent(QWheelEvent *event)
{
    if (m_bar && !m_bar->isHidden()) {
        QCoreApplication::sendEvent(m_bar, event);
        return;
    }
    QLabel::wheelEvent(event);
}

void Label::showEvent(QShowEvent *event)
{
    // A wrapped text set from the top that needs more lines than its bounds
    // hold takes the height they need, below its bounds.
    if (!m_fit && !m_bar && wordWrap() && (alignment() & Qt::AlignTop) && pixmap().isNull() &&
        !text().isEmpty()) {
        const int lines = lineCount();
        const int needed =
            (lines - 1) * linePitch(font()) + pixelsOf(font()) + height() - contentsRect().height();
        if (needed > height())
            resize(width(), needed);
    }
    QLabel::showEvent(event);
}

void Label::paintEvent(QPaintEvent *event)
{
    if (!pixmap().isNull() || text().isEmpty()) {
        QLabel::paintEvent(event);
        return;
    }
    if (m_bar && text() != m_barText)
        updateScrollBar(); // a text set past setFittedText()
    const QRect area = contentsRect();
    const QFont f = font();
    const int pixels = pixelsOf(f);
    const int pitch = this->pitch();
    // The top of a CJK em box stands 0.88 em above the baseline.
    const double emTop = 0.88 * pixels;

    Lines laidOut = layOut(textWidth());
    std::vector<QTextLine> &lines = laidOut.lines;
    const auto [first, count] = linesInView(lines.size());

    const Qt::Alignment align = alignment();
    const int block = count == 0 ? 0 : static_cast<int>(count - 1) * pitch + emBlock(pixels);
    double top = area.top();
    if (align & Qt::AlignVCenter)
        top += (area.height() - block) / 2.0;
    else if (align & Qt::AlignBottom)
        top += area.height() - block;

    QPainter painter(this);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    painter.setClipRect(rect());
    const double width = textWidth();
    for (size_t i = first; i < first + count; ++i) {
        QTextLine &line = lines[i];
        const double lineWidth = line.naturalTextWidth();
        double left = area.left();
        if (align & Qt::AlignHCenter)
            left += (width - lineWidth) / 2.0;
        else if (align & Qt::AlignRight)
            left += width - lineWidth;
        const double baseline = top + static_cast<double>(i - first) * pitch + emTop;
        line.draw(&painter, QPointF(left - line.x(), baseline - line.ascent()));
    }
}

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &text, const QRect &bounds)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setGeometry(bounds);
    return b;
}

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &text, const QRect &bounds,
                        const QFont &font, Qt::FocusPolicy focus)
{
    QPushButton *b = makeButton(parent, name, text, bounds);
    b->setFont(font);
    b->setFocusPolicy(focus);
    return b;
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::ButtonText, colour);
    p.setColor(QPalette::Text, colour);
    widget->setPalette(p);
}

namespace {

Label *newLabel(QWidget *parent, const QString &name, const QString &text, const QFont &font,
                const QColor &colour)
{
    auto *label = new Label(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setObjectName(name);
    label->setFont(font);
    setTextColour(label, colour);
    return label;
}

} // namespace

Label *makeLabel(QWidget *parent, const QString &name, const QString &text, const QPoint &at,
                 const QFont &font, const QColor &colour)
{
    Label *label = newLabel(parent, name, text, font, colour);
    label->move(at);
    label->adjustSize();
    return label;
}

Label *makeLabel(QWidget *parent, const QString &name, const QString &text, const QRect &bounds,
                 const QFont &font, const QColor &colour, bool wordWrap)
{
    Label *label = newLabel(parent, name, text, font, colour);
    label->setGeometry(bounds);
    label->setWordWrap(wordWrap);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}
