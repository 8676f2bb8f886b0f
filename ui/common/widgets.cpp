#include "widgets.h"

#include <QHash>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextLayout>
#include <QThreadPool>
#include <future>
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
    if (fit == Fit::Stretch)
        setScaledContents(true);
    else
        setAlignment(Qt::AlignCenter);
}

namespace {

// Shared window pictures, made once for the whole run: the pixmaps by
// resource and size, and the decoding that runs in the background.
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

QString pictureKey(const QString &resource, const QSize &size)
{
    return size.isValid() ? u"%1@%2x%3"_s.arg(resource).arg(size.width()).arg(size.height()) : resource;
}

} // namespace

void Picture::setPicture(const QString &resource, Decode decode)
{
    m_resource = resource;
    SharedPictures &shared = sharedPictures();
    if (decode == Decode::InBackground && !shared.decoding.contains(resource) &&
        !shared.pixmaps.contains(pictureKey(resource, pictureSize()))) {
        // Images may be decoded on any thread; pixmaps are made on this one.
        auto task = std::make_shared<std::packaged_task<QImage()>>([resource] { return QImageReader(resource).read(); });
        shared.decoding.insert(resource, task->get_future().share());
        decoder().start([task] { (*task)(); });
    }
    if (isVisible())
        makePicture();
}

void Picture::showEvent(QShowEvent *event)
{
    if (!m_resource.isEmpty())
        makePicture();
    ClickLabel::showEvent(event);
}

QSize Picture::pictureSize() const
{
    // Stretched to the size the label would stretch it to, so that the label
    // draws the shared pixmap as it is.
    return m_stretch ? contentsRect().size() * devicePixelRatio() : QSize();
}

void Picture::makePicture()
{
    setPixmap(sharedPicture(m_resource, pictureSize()));
    m_resource.clear();
}

QPixmap sharedPicture(const QString &resource, const QSize &size)
{
    SharedPictures &shared = sharedPictures();
    const QString key = pictureKey(resource, size);
    const auto found = shared.pixmaps.constFind(key);
    if (found != shared.pixmaps.cend())
        return *found;
    // Decoded as QPixmap(file) decodes, but kept here rather than in the
    // pixmap cache.
    QImage image;
    const auto decoding = shared.decoding.find(resource);
    if (decoding != shared.decoding.end()) {
        image = decoding->get();
        shared.decoding.erase(decoding);
    } else {
        image = QImageReader(resource).read();
    }
    QPixmap picture = QPixmap::fromImage(std::move(image));
    if (size.isValid() && !picture.isNull() && picture.size() != size)
        picture = QPixmap::fromImage(picture.toImage().scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    shared.pixmaps.insert(key, picture);
    return picture;
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

int Label::linePitch(const QFont &font)
{
    const int pixels = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    // About one em, as the layouts were drawn with; small sizes get a pixel
    // more so that lines never touch.
    return pixels > 16 ? pixels : pixels + 1;
}

void Label::paintEvent(QPaintEvent *event)
{
    if (!pixmap().isNull() || text().isEmpty()) {
        QLabel::paintEvent(event);
        return;
    }
    const QRect area = contentsRect();
    const QFont f = font();
    const int pixels = f.pixelSize() > 0 ? f.pixelSize() : QFontInfo(f).pixelSize();
    const int pitch = linePitch(f);
    // The top of a CJK em box stands 0.88 em above the baseline.
    const double emTop = 0.88 * pixels;

    static const QRegularExpression breaks(u"\\r\\n|\\r|\\n"_s);
    std::vector<std::unique_ptr<QTextLayout>> layouts;
    std::vector<QTextLine> lines;
    const QStringList paragraphs = text().split(breaks);
    for (const QString &paragraph : paragraphs) {
        auto layout = std::make_unique<QTextLayout>(paragraph, f);
        layout->setCacheEnabled(true);
        QTextOption option;
        option.setWrapMode(wordWrap() ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
        layout->setTextOption(option);
        layout->beginLayout();
        for (;;) {
            QTextLine line = layout->createLine();
            if (!line.isValid())
                break;
            line.setLineWidth(wordWrap() ? area.width() : 1.0e6);
            lines.push_back(line);
        }
        layout->endLayout();
        layouts.push_back(std::move(layout));
    }

    const Qt::Alignment align = alignment();
    const int block = static_cast<int>(lines.size()) * pitch;
    double top = area.top();
    if (align & Qt::AlignVCenter)
        top += (area.height() - block) / 2.0;
    else if (align & Qt::AlignBottom)
        top += area.height() - block;

    QPainter painter(this);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    painter.setClipRect(rect());
    for (size_t i = 0; i < lines.size(); ++i) {
        QTextLine &line = lines[i];
        const double width = line.naturalTextWidth();
        double left = area.left();
        if (align & Qt::AlignHCenter)
            left += (area.width() - width) / 2.0;
        else if (align & Qt::AlignRight)
            left += area.width() - width;
        const double baseline = top + static_cast<double>(i) * pitch + emTop;
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

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, const QPoint &at,
                  const QFont &font, const QColor &colour)
{
    Label *label = newLabel(parent, name, text, font, colour);
    label->move(at);
    label->adjustSize();
    return label;
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, const QRect &bounds,
                  const QFont &font, const QColor &colour, bool wordWrap)
{
    Label *label = newLabel(parent, name, text, font, colour);
    label->setGeometry(bounds);
    label->setWordWrap(wordWrap);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}
