// artgen-questions: draws the question pictures of the sample question bank
// (bank/upload/) as 225 x 137 JPEG files, quality 90.
//
//   QT_QPA_PLATFORM=offscreen artgen-questions <outdir>
//
// Every picture is drawn from scratch with QPainter: traffic signs on a pale
// sky with their post, road markings seen from above, and a pair of arrow
// signal heads. The file names are the `subpic` values used in bank/bank.json.

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QTransform>
#include <QtMath>

#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

namespace {

constexpr int kWidth = 225;
constexpr int kHeight = 137;
constexpr int kJpegQuality = 90;

// Colours close to those of real Chinese signs and markings.
const QColor kSignRed(206, 28, 36);
const QColor kSignBlue(18, 74, 158);
const QColor kSignYellow(252, 198, 0);
const QColor kInk(22, 22, 22);
const QColor kEdge(110, 110, 110);
const QColor kAsphalt(74, 78, 84);
const QColor kPavement(196, 191, 182);
const QColor kMarkWhite(246, 246, 246);
const QColor kMarkYellow(244, 192, 28);

// Centre and radius shared by the round signs.
const QPointF kSignCentre(112.5, 62.0);
constexpr qreal kSignRadius = 52.0;

// Text as an outline, scaled so that its bounding box fills `box` exactly;
// this keeps the size of a glyph independent of the font's metrics.
QPainterPath textInBox(const QString &text, const QRectF &box, const QString &family = QStringLiteral("Noto Sans CJK SC"))
{
    QFont font(family);
    font.setPixelSize(100);
    font.setBold(true);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF b = path.boundingRect();
    QTransform t;
    t.translate(box.left(), box.top());
    t.scale(box.width() / b.width(), box.height() / b.height());
    t.translate(-b.left(), -b.top());
    return t.map(path);
}

QPolygonF regularPolygon(QPointF centre, qreal radius, int corners, qreal firstAngleDeg)
{
    QPolygonF poly;
    for (int i = 0; i < corners; ++i) {
        const qreal a = qDegreesToRadians(firstAngleDeg + 360.0 * i / corners);
        poly << QPointF(centre.x() + radius * qCos(a), centre.y() + radius * qSin(a));
    }
    return poly;
}

// Shrinks a polygon towards `centre`; for a regular polygon centred there this
// insets every edge by the same distance.
QPolygonF shrunk(const QPolygonF &poly, QPointF centre, qreal factor)
{
    QPolygonF out;
    for (const QPointF &p : poly)
        out << centre + (p - centre) * factor;
    return out;
}

void fillSky(QPainter &p)
{
    QLinearGradient g(0, 0, 0, kHeight);
    g.setColorAt(0.0, QColor(178, 209, 236));
    g.setColorAt(1.0, QColor(230, 239, 247));
    p.fillRect(QRectF(0, 0, kWidth, kHeight), g);
}

void drawPost(QPainter &p, qreal fromY)
{
    QLinearGradient g(kSignCentre.x() - 4, 0, kSignCentre.x() + 4, 0);
    g.setColorAt(0.0, QColor(120, 124, 128));
    g.setColorAt(0.5, QColor(196, 200, 204));
    g.setColorAt(1.0, QColor(120, 124, 128));
    p.fillRect(QRectF(kSignCentre.x() - 4, fromY, 8, kHeight - fromY), g);
}

// White disc with a thin grey edge: the rim that every round sign has.
void drawRoundBlank(QPainter &p)
{
    p.setPen(QPen(kEdge, 1.0));
    p.setBrush(Qt::white);
    p.drawEllipse(kSignCentre, kSignRadius, kSignRadius);
}

// Prohibition sign frame: red ring on white. The slash is drawn separately,
// after the pictogram, because it lies on top of it.
void drawProhibitionRing(QPainter &p)
{
    drawRoundBlank(p);
    const qreal ring = kSignRadius * 0.17;
    const qreal mid = kSignRadius - 2.5 - ring / 2;
    p.setPen(QPen(kSignRed, ring));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(kSignCentre, mid, mid);
}

void drawProhibitionSlash(QPainter &p)
{
    // From upper left to lower right, ending at the inner edge of the ring.
    const qreal inner = kSignRadius - 2.5 - kSignRadius * 0.17;
    const qreal d = inner * qCos(qDegreesToRadians(45.0));
    p.save();
    p.setClipPath([&] {
        QPainterPath clip;
        clip.addEllipse(kSignCentre, inner + 1, inner + 1);
        return clip;
    }());
    p.setPen(QPen(kSignRed, kSignRadius * 0.15, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(kSignCentre + QPointF(-d - 4, -d - 4), kSignCentre + QPointF(d + 4, d + 4));
    p.restore();
}

// ---------------------------------------------------------------- signs

void drawNoEntry(QPainter &p)
{
    fillSky(p);
    drawPost(p, kSignCentre.y() + kSignRadius - 2);
    drawRoundBlank(p);
    p.setPen(Qt::NoPen);
    p.setBrush(kSignRed);
    p.drawEllipse(kSignCentre, kSignRadius - 3, kSignRadius - 3);
    p.setBrush(Qt::white);
    const qreal w = kSignRadius * 1.42;
    const qreal h = kSignRadius * 0.34;
    p.drawRect(QRectF(kSignCentre.x() - w / 2, kSignCentre.y() - h / 2, w, h));
}

void drawStopYield(QPainter &p)
{
    fillSky(p);
    drawPost(p, kSignCentre.y() + kSignRadius - 4);
    // Octagon with flat top and bottom: corners at 22.5 + k * 45 degrees.
    const QPolygonF outer = regularPolygon(kSignCentre, kSignRadius / qCos(qDegreesToRadians(22.5)), 8, 22.5);
    p.setPen(QPen(kEdge, 1.0));
    p.setBrush(Qt::white);
    p.drawPolygon(outer);
    p.setPen(Qt::NoPen);
    p.setBrush(kSignRed);
    p.drawPolygon(shrunk(outer, kSignCentre, 0.94));
    p.setPen(QPen(Qt::white, 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(shrunk(outer, kSignCentre, 0.86));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    const qreal s = kSignRadius * 1.05;
    p.drawPath(textInBox(QStringLiteral("停"),
                         QRectF(kSignCentre.x() - s / 2, kSignCentre.y() - s / 2, s, s)));
}

void drawSlowYield(QPainter &p)
{
    fillSky(p);
    const qreal side = 122.0;
    const qreal height = side * qSqrt(3.0) / 2;
    const qreal top = 8.0;
    const QPointF centroid(kSignCentre.x(), top + height / 3);
    drawPost(p, top + height - 6);
    const QPolygonF tri{QPointF(kSignCentre.x() - side / 2, top), QPointF(kSignCentre.x() + side / 2, top),
                        QPointF(kSignCentre.x(), top + height)};
    const qreal inradius = side / (2 * qSqrt(3.0));
    p.setPen(QPen(kEdge, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPolygon(tri);
    p.setPen(QPen(kSignRed, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kSignRed);
    p.drawPolygon(shrunk(tri, centroid, (inradius - 2.5) / inradius));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(shrunk(tri, centroid, (inradius - 14.0) / inradius));
    p.setBrush(kInk);
    const qreal s = 30.0;
    p.drawPath(textInBox(QStringLiteral("让"), QRectF(centroid.x() - s / 2, centroid.y() - s / 2 - 3, s, s)));
}

void drawPedestrianWarning(QPainter &p)
{
    fillSky(p);
    const qreal side = 122.0;
    const qreal height = side * qSqrt(3.0) / 2;
    const qreal top = 8.0;
    const QPointF centroid(kSignCentre.x(), top + height * 2 / 3);
    drawPost(p, top + height - 6);
    const QPolygonF tri{QPointF(kSignCentre.x(), top), QPointF(kSignCentre.x() + side / 2, top + height),
                        QPointF(kSignCentre.x() - side / 2, top + height)};
    const qreal inradius = side / (2 * qSqrt(3.0));
    p.setPen(QPen(kEdge, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kSignYellow);
    p.drawPolygon(tri);
    p.setPen(QPen(kInk, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kInk);
    p.drawPolygon(shrunk(tri, centroid, (inradius - 4.0) / inradius));
    p.setPen(QPen(kSignYellow, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kSignYellow);
    p.drawPolygon(shrunk(tri, centroid, (inradius - 11.0) / inradius));

    // A walking person, stepping to the left.
    const QPointF o(kSignCentre.x(), 0);
    auto at = [&](qreal x, qreal y) { return QPointF(o.x() + x, y); };
    p.setBrush(kInk);
    p.setPen(Qt::NoPen);
    p.drawEllipse(at(1, 45), 6.2, 6.2);
    p.setPen(QPen(kInk, 9.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(at(0, 57), at(2, 78));  // trunk
    p.setPen(QPen(kInk, 5.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF{at(-1, 59), at(-9, 69), at(-12, 78)});   // front arm
    p.drawPolyline(QPolygonF{at(2, 59), at(9, 68), at(13, 75)});      // back arm
    p.setPen(QPen(kInk, 6.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF{at(1, 78), at(-8, 90), at(-14, 100)});   // front leg
    p.drawPolyline(QPolygonF{at(3, 78), at(8, 90), at(16, 99)});      // back leg
    p.setPen(QPen(kInk, 4.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(at(-14, 100), at(-20, 100));  // front foot
    p.drawLine(at(16, 99), at(20, 102));     // back toe
}

void drawSpeedLimit60(QPainter &p)
{
    fillSky(p);
    drawPost(p, kSignCentre.y() + kSignRadius - 2);
    drawProhibitionRing(p);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    const qreal w = kSignRadius * 1.02;
    const qreal h = kSignRadius * 0.80;
    p.drawPath(textInBox(QStringLiteral("60"),
                         QRectF(kSignCentre.x() - w / 2, kSignCentre.y() - h / 2, w, h),
                         QStringLiteral("DejaVu Sans")));
}

void drawStraightOnly(QPainter &p)
{
    fillSky(p);
    drawPost(p, kSignCentre.y() + kSignRadius - 2);
    drawRoundBlank(p);
    p.setPen(Qt::NoPen);
    p.setBrush(kSignBlue);
    p.drawEllipse(kSignCentre, kSignRadius - 2.5, kSignRadius - 2.5);
    p.setBrush(Qt::white);
    const qreal r = kSignRadius;
    const qreal shaft = r * 0.26;
    p.drawRect(QRectF(kSignCentre.x() - shaft / 2, kSignCentre.y() - r * 0.12, shaft, r * 0.78));
    p.drawPolygon(QPolygonF{kSignCentre + QPointF(-r * 0.46, -r * 0.10),
                            kSignCentre + QPointF(0, -r * 0.70),
                            kSignCentre + QPointF(r * 0.46, -r * 0.10)});
}

void drawNoHonking(QPainter &p)
{
    fillSky(p);
    drawPost(p, kSignCentre.y() + kSignRadius - 2);
    drawProhibitionRing(p);
    p.save();
    p.translate(kSignCentre);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    // Mouthpiece, tube and bell of a horn, opening to the right.
    p.drawRoundedRect(QRectF(-31, -5, 9, 10), 2, 2);
    p.drawRect(QRectF(-23, -3.5, 9, 7));
    QPainterPath bell;
    bell.moveTo(-15, -5);
    bell.cubicTo(2, -7, 14, -16, 22, -25);
    bell.lineTo(27, -25);
    bell.lineTo(27, 25);
    bell.lineTo(22, 25);
    bell.cubicTo(14, 16, 2, 7, -15, 5);
    bell.closeSubpath();
    p.drawPath(bell);
    p.restore();
    drawProhibitionSlash(p);
}

void drawNoTrucks(QPainter &p)
{
    fillSky(p);
    drawPost(p, kSignCentre.y() + kSignRadius - 2);
    drawProhibitionRing(p);
    p.save();
    p.translate(kSignCentre + QPointF(0, 2));
    p.scale(0.86, 0.86);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    // Side view of a lorry facing left: cab, cargo box, chassis, wheels.
    QPainterPath cab;
    cab.moveTo(-42, 12);
    cab.lineTo(-42, -2);
    cab.lineTo(-35, -18);
    cab.lineTo(-20, -18);
    cab.lineTo(-20, 12);
    cab.closeSubpath();
    p.drawPath(cab);
    p.drawRect(QRectF(-17, -26, 58, 36));
    p.drawRect(QRectF(-42, 8, 83, 6));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF{QPointF(-38, -3), QPointF(-33, -14), QPointF(-24, -14), QPointF(-24, -3)});
    for (qreal x : {-30.0, 20.0, 33.0}) {
        p.setBrush(kInk);
        p.setPen(QPen(Qt::white, 1.5));
        p.drawEllipse(QPointF(x, 17), 7.5, 7.5);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(x, 17), 2.2, 2.2);
    }
    p.restore();
    drawProhibitionSlash(p);
}

// ------------------------------------------------------- road markings

// Road arrow seen from above, tip pointing up (dir 0), up-left (-1) or
// up-right (+1); `base` is the foot of the stem.
void drawLaneArrow(QPainter &p, QPointF base, int dir)
{
    p.save();
    p.setBrush(kMarkWhite);
    if (dir == 0) {
        p.setPen(Qt::NoPen);
        p.drawRect(QRectF(base.x() - 2.5, base.y() - 26, 5, 26));
        p.drawPolygon(QPolygonF{QPointF(base.x() - 8, base.y() - 25), QPointF(base.x(), base.y() - 40),
                                QPointF(base.x() + 8, base.y() - 25)});
    } else {
        const qreal s = dir;  // -1 left, +1 right
        const qreal stemX = base.x() - s * 5;
        QPainterPath stem;
        stem.moveTo(stemX, base.y());
        stem.lineTo(stemX, base.y() - 20);
        stem.quadTo(stemX, base.y() - 30, stemX + s * 9, base.y() - 30);
        p.setPen(QPen(kMarkWhite, 5, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(stem);
        p.setPen(Qt::NoPen);
        p.setBrush(kMarkWhite);
        const qreal hx = stemX + s * 8;
        p.drawPolygon(QPolygonF{QPointF(hx, base.y() - 39), QPointF(hx + s * 14, base.y() - 30),
                                QPointF(hx, base.y() - 21)});
    }
    p.restore();
}

void drawDashedVertical(QPainter &p, qreal x, qreal fromY, qreal toY, qreal dash, qreal gap, qreal width,
                        const QColor &colour)
{
    for (qreal y = fromY; y < toY; y += dash + gap)
        p.fillRect(QRectF(x - width / 2, y, width, qMin(dash, toY - y)), colour);
}

void drawGuideLanes(QPainter &p)
{
    // Three lanes towards a junction at the top; at the left the double
    // yellow centre line and a strip of the opposite carriageway, at the
    // right the kerb and pavement.
    p.fillRect(QRectF(0, 0, kWidth, kHeight), kAsphalt);
    p.fillRect(QRectF(203, 24, 22, kHeight - 24), kPavement);
    p.fillRect(QRectF(201, 24, 2.5, kHeight - 24), QColor(150, 146, 140));  // kerb
    const qreal stopY = 22;
    // Opposite carriageway: its lane line and the zebra crossing it leaves by.
    drawDashedVertical(p, 14, 30, kHeight, 14, 10, 2.5, kMarkWhite);
    p.fillRect(QRectF(43, stopY, 2.5, kHeight - stopY), kMarkYellow);
    p.fillRect(QRectF(48, stopY, 2.5, kHeight - stopY), kMarkYellow);
    p.fillRect(QRectF(196, stopY, 2.5, kHeight - stopY), kMarkWhite);  // edge line
    p.fillRect(QRectF(50.5, stopY, 145.5, 4), kMarkWhite);              // stop line
    const qreal solidTo = 96;
    for (qreal x : {99.0, 148.0}) {
        p.fillRect(QRectF(x - 1.25, stopY, 2.5, solidTo - stopY), kMarkWhite);
        drawDashedVertical(p, x, solidTo + 9, kHeight, 13, 9, 2.5, kMarkWhite);
    }
    drawLaneArrow(p, QPointF(75, 82), -1);
    drawLaneArrow(p, QPointF(123.5, 82), 0);
    drawLaneArrow(p, QPointF(172, 82), 1);
}

void drawCrosswalkAhead(QPainter &p)
{
    // Two-lane road seen from above; the zebra crossing is at the top and the
    // white diamond stands in the right-hand lane before it.
    p.fillRect(QRectF(0, 0, kWidth, kHeight), kAsphalt);
    p.fillRect(QRectF(0, 0, 16, kHeight), kPavement);
    p.fillRect(QRectF(209, 0, 16, kHeight), kPavement);
    p.fillRect(QRectF(16, 0, 2.5, kHeight), QColor(150, 146, 140));
    p.fillRect(QRectF(206.5, 0, 2.5, kHeight), QColor(150, 146, 140));
    p.fillRect(QRectF(22, 0, 2.5, kHeight), kMarkWhite);
    p.fillRect(QRectF(200.5, 0, 2.5, kHeight), kMarkWhite);
    // Zebra crossing: stripes run along the road.
    for (qreal x = 28; x + 8 <= 198; x += 14)
        p.fillRect(QRectF(x, 4, 8, 30), kMarkWhite);
    // Stop line of our lane and the dashed yellow centre line.
    p.fillRect(QRectF(113.5, 40, 86, 3), kMarkWhite);
    drawDashedVertical(p, 112.5, 48, kHeight, 16, 10, 3, kMarkYellow);
    // The diamond.
    const QPointF c(157, 96);
    p.setPen(QPen(kMarkWhite, 3.2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(QPolygonF{c + QPointF(0, -32), c + QPointF(14, 0), c + QPointF(0, 32), c + QPointF(-14, 0)});
}

// ------------------------------------------------------------- signals

void drawArrowGlyph(QPainter &p, QPointF c, bool left, const QColor &colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    if (left) {
        p.drawRect(QRectF(c.x() - 2, c.y() - 3, 12, 6));
        p.drawPolygon(QPolygonF{QPointF(c.x() - 1, c.y() - 9), QPointF(c.x() - 12, c.y()), QPointF(c.x() - 1, c.y() + 9)});
    } else {
        p.drawRect(QRectF(c.x() - 3, c.y() - 2, 6, 12));
        p.drawPolygon(QPolygonF{QPointF(c.x() - 9, c.y() - 1), QPointF(c.x(), c.y() - 12), QPointF(c.x() + 9, c.y() - 1)});
    }
}

void drawSignalHead(QPainter &p, qreal left, bool leftArrows, int litLamp, const QColor &litColour)
{
    const QRectF body(left, 18, 40, 112);
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(QColor(28, 28, 30));
    p.drawRoundedRect(body, 6, 6);
    p.fillRect(QRectF(left + 17, 12, 6, 7), QColor(90, 94, 98));  // hanger
    for (int i = 0; i < 3; ++i) {
        const QPointF c(left + 20, 38 + i * 36);
        p.setPen(QPen(QColor(70, 70, 72), 1.5));
        p.setBrush(QColor(12, 12, 12));
        p.drawEllipse(c, 15, 15);
        if (i == litLamp) {
            QRadialGradient glow(c, 17);
            glow.setColorAt(0.0, QColor(litColour.red(), litColour.green(), litColour.blue(), 110));
            glow.setColorAt(1.0, QColor(litColour.red(), litColour.green(), litColour.blue(), 0));
            p.setPen(Qt::NoPen);
            p.setBrush(glow);
            p.drawEllipse(c, 15, 15);
            drawArrowGlyph(p, c, leftArrows, litColour);
        } else {
            drawArrowGlyph(p, c, leftArrows, QColor(62, 62, 64));
        }
    }
}

void drawArrowSignals(QPainter &p)
{
    fillSky(p);
    // Mast at the right, arm across the top.
    p.fillRect(QRectF(196, 6, 9, kHeight - 6), QColor(128, 132, 136));
    p.fillRect(QRectF(44, 6, 160, 7), QColor(128, 132, 136));
    drawSignalHead(p, 66, true, 0, QColor(255, 52, 40));     // left turn: red
    drawSignalHead(p, 122, false, 2, QColor(40, 230, 110));  // straight on: green
}

struct Picture {
    const char *file;
    std::function<void(QPainter &)> draw;
};

}  // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <outdir>\n", argv[0]);
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(outDir)) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }

    const std::vector<Picture> pictures{
        {"sign_no_entry.jpg", drawNoEntry},
        {"sign_stop_yield.jpg", drawStopYield},
        {"sign_slow_yield.jpg", drawSlowYield},
        {"sign_pedestrian.jpg", drawPedestrianWarning},
        {"sign_speed_limit_60.jpg", drawSpeedLimit60},
        {"sign_straight_only.jpg", drawStraightOnly},
        {"sign_no_honking.jpg", drawNoHonking},
        {"sign_no_trucks.jpg", drawNoTrucks},
        {"marking_guide_lanes.jpg", drawGuideLanes},
        {"marking_crosswalk_ahead.jpg", drawCrosswalkAhead},
        {"signal_arrow_lights.jpg", drawArrowSignals},
    };

    int failures = 0;
    for (const Picture &pic : pictures) {
        QImage img(kWidth, kHeight, QImage::Format_RGB32);
        img.fill(Qt::white);
        {
            QPainter p(&img);
            p.setRenderHint(QPainter::Antialiasing, true);
            p.setRenderHint(QPainter::TextAntialiasing, true);
            pic.draw(p);
        }
        const QString path = QDir(outDir).filePath(QString::fromLatin1(pic.file));
        if (!img.save(path, "JPG", kJpegQuality)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ++failures;
        } else {
            std::printf("%s\n", qPrintable(path));
        }
    }
    return failures == 0 ? 0 : 1;
}
