// Draws the question pictures of the bundled question bank (folder upload/).
// Every picture is a 225 x 137 JPEG (quality 90): traffic signs, road markings,
// junction situations and instrument-panel lamps referred to by subject.subpic.
// Each is also written at 2x (name@2x.jpg, 450 x 274), drawn by the same code.
//
// Usage: QT_QPA_PLATFORM=offscreen artgen-questions <output folder>

#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>
#include <cstdio>
#include <functional>
#include <vector>

#include "scales.h"

namespace {

constexpr int W = 225;
constexpr int H = 137;

// Colours of Chinese road signs and markings.
const QColor kYellow(247, 198, 0);
const QColor kRed(214, 24, 31);
const QColor kBlue(18, 74, 160);
const QColor kGreen(0, 122, 72);
const QColor kBlack(20, 20, 20);
const QColor kWhite(255, 255, 255);
const QColor kAsphalt(92, 94, 98);
const QColor kLineYellow(250, 200, 20);
const QColor kBackdrop(232, 238, 244);

QFont cjk(int px, bool bold = true)
{
    QFont f(QStringLiteral("Noto Sans CJK SC"));
    f.setPixelSize(px);
    f.setBold(bold);
    return f;
}

void backdrop(QPainter &p)
{
    p.fillRect(0, 0, W, H, kBackdrop);
}

// Arrow head polygon with its tip at `tip`, pointing along `dir` (unit vector).
QPolygonF head(QPointF tip, QPointF dir, qreal len, qreal halfWidth)
{
    QPointF n(-dir.y(), dir.x());
    QPointF base = tip - dir * len;
    return QPolygonF({tip, base + n * halfWidth, base - n * halfWidth});
}

QPointF unit(qreal angleDeg)
{
    return QPointF(qCos(qDegreesToRadians(angleDeg)), qSin(qDegreesToRadians(angleDeg)));
}

// Strokes `shaft` and fills an arrow head at `tip` pointing along `dir`.
void arrow(QPainter &p, const QPainterPath &shaft, QPointF tip, QPointF dir, qreal width,
           qreal headLen, qreal headHalf, const QColor &c)
{
    p.save();
    QPen pen(c, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(shaft);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPolygon(head(tip, dir, headLen, headHalf));
    p.restore();
}

// ---------------------------------------------------------------- sign bodies

// Warning sign: yellow equilateral triangle, apex up, black border. Leaves the
// painter translated to the visual centre of the symbol area.
void warningSign(QPainter &p)
{
    backdrop(p);
    const qreal side = 146, h = side * qSqrt(3.0) / 2;
    const qreal cx = W / 2.0, top = 5;
    QPolygonF outer({QPointF(cx, top), QPointF(cx + side / 2, top + h), QPointF(cx - side / 2, top + h)});
    QPainterPath rounded;
    rounded.addPolygon(outer);
    rounded.closeSubpath();
    p.setPen(QPen(kYellow, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kBlack);
    p.drawPath(rounded);
    const qreal inset = 10;
    const qreal s2 = side - 2 * inset * qSqrt(3.0), h2 = s2 * qSqrt(3.0) / 2;
    const qreal top2 = top + 2 * inset;
    p.setPen(Qt::NoPen);
    p.setBrush(kYellow);
    p.drawPolygon(QPolygonF({QPointF(cx, top2), QPointF(cx + s2 / 2, top2 + h2), QPointF(cx - s2 / 2, top2 + h2)}));
    // Symbols are drawn in a +-40 box; scale them into the inner triangle.
    p.translate(cx, top2 + h2 * 0.64);
    p.scale(0.74, 0.74);
}

// Prohibition sign: white disc, red ring. Leaves the painter at the centre.
void prohibitionSign(QPainter &p, const QColor &fill = kWhite)
{
    backdrop(p);
    p.translate(W / 2.0, H / 2.0);
    p.setPen(Qt::NoPen);
    p.setBrush(kWhite);
    p.drawEllipse(QPointF(0, 0), 62, 62);
    p.setBrush(kRed);
    p.drawEllipse(QPointF(0, 0), 60, 60);
    p.setBrush(fill);
    p.drawEllipse(QPointF(0, 0), 47, 47);
}

void redSlash(QPainter &p)
{
    p.setPen(QPen(kRed, 10, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(unit(-135) * 47, unit(45) * 47);
}

// Mandatory sign: blue disc with a thin white rim.
void mandatorySign(QPainter &p)
{
    backdrop(p);
    p.translate(W / 2.0, H / 2.0);
    p.setPen(Qt::NoPen);
    p.setBrush(kWhite);
    p.drawEllipse(QPointF(0, 0), 62, 62);
    p.setBrush(kBlue);
    p.drawEllipse(QPointF(0, 0), 59, 59);
}

void panel(QPainter &p, const QRectF &r, const QColor &c)
{
    p.setPen(QPen(kWhite, 3));
    p.setBrush(c);
    p.drawRoundedRect(r, 8, 8);
}

void centredText(QPainter &p, const QRectF &r, const QString &s, const QFont &f, const QColor &c)
{
    p.setFont(f);
    p.setPen(c);
    p.drawText(r, Qt::AlignCenter, s);
}

// Horn pictogram centred on the origin.
void horn(QPainter &p, const QColor &c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawRect(QRectF(-30, -6, 14, 12));
    QPainterPath bell;
    bell.moveTo(-16, -6);
    bell.lineTo(18, -22);
    bell.quadTo(24, 0, 18, 22);
    bell.lineTo(-16, 6);
    bell.closeSubpath();
    p.drawPath(bell);
    p.drawRect(QRectF(-38, -3, 8, 6));
}

// Car seen from behind, centred on the origin, about 30 x 26.
void carRear(QPainter &p, const QColor &c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    QPainterPath body;
    body.moveTo(-15, 4);
    body.lineTo(-11, -10);
    body.lineTo(11, -10);
    body.lineTo(15, 4);
    body.closeSubpath();
    p.drawPath(body);
    p.drawRoundedRect(QRectF(-17, 2, 34, 11), 3, 3);
    p.drawRect(QRectF(-15, 12, 7, 7));
    p.drawRect(QRectF(8, 12, 7, 7));
    p.setBrush(kWhite);
    p.drawRect(QRectF(-9, -7, 18, 7));
}

// ---------------------------------------------------------------- warning signs

void wCross(QPainter &p)
{
    warningSign(p);
    p.fillRect(QRectF(-7, -38, 14, 76), kBlack);
    p.fillRect(QRectF(-38, -7, 76, 14), kBlack);
}

void wTee(QPainter &p)
{
    warningSign(p);
    p.fillRect(QRectF(-38, -24, 76, 14), kBlack);
    p.fillRect(QRectF(-7, -24, 14, 58), kBlack);
}

void wLeftBend(QPainter &p)
{
    warningSign(p);
    QPainterPath path;
    path.moveTo(12, 34);
    path.lineTo(12, -2);
    path.quadTo(12, -20, -8, -20);
    path.lineTo(-18, -20);
    arrow(p, path, QPointF(-36, -20), QPointF(-1, 0), 13, 20, 16, kBlack);
}

void wSignal(QPainter &p)
{
    warningSign(p);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlack);
    p.drawRoundedRect(QRectF(-14, -40, 28, 76), 6, 6);
    p.setBrush(kRed);
    p.drawEllipse(QPointF(0, -27), 9, 9);
    p.setBrush(kYellow);
    p.drawEllipse(QPointF(0, -2), 9, 9);
    p.setBrush(QColor(0, 170, 80));
    p.drawEllipse(QPointF(0, 23), 9, 9);
}

void wDanger(QPainter &p)
{
    warningSign(p);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlack);
    QPainterPath bar;
    bar.moveTo(-8, -40);
    bar.lineTo(8, -40);
    bar.lineTo(4, 14);
    bar.lineTo(-4, 14);
    bar.closeSubpath();
    p.drawPath(bar);
    p.drawEllipse(QPointF(0, 28), 8, 8);
}

void wBike(QPainter &p)
{
    warningSign(p);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kBlack, 5));
    p.drawEllipse(QPointF(-22, 16), 14, 14);
    p.drawEllipse(QPointF(22, 16), 14, 14);
    p.setPen(QPen(kBlack, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath frame;
    frame.moveTo(-22, 16);
    frame.lineTo(-4, 16);
    frame.lineTo(14, -6);
    frame.lineTo(-12, -6);
    frame.lineTo(-22, 16);
    frame.moveTo(-4, 16);
    frame.lineTo(-14, -14);
    frame.moveTo(22, 16);
    frame.lineTo(12, -14);
    p.drawPath(frame);
    p.drawLine(QPointF(-20, -14), QPointF(-8, -14));
    p.drawLine(QPointF(12, -14), QPointF(20, -18));
}

void wNarrow(QPainter &p)
{
    warningSign(p);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlack);
    for (int s : {-1, 1}) {
        QPolygonF edge({QPointF(s * 30, 36), QPointF(s * 20, 36), QPointF(s * 20, 6), QPointF(s * 6, -14),
                        QPointF(s * 6, -40), QPointF(s * 16, -40), QPointF(s * 16, -16), QPointF(s * 30, 4)});
        p.drawPolygon(edge);
    }
}

void wTunnel(QPainter &p)
{
    warningSign(p);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlack);
    QPainterPath portal;
    portal.addRect(QRectF(-40, -26, 80, 62));
    QPainterPath hole;
    hole.moveTo(-24, 36);
    hole.lineTo(-24, 0);
    hole.arcTo(QRectF(-24, -24, 48, 48), 180, -180);
    hole.lineTo(24, 36);
    hole.closeSubpath();
    p.drawPath(portal.subtracted(hole));
    p.setBrush(kBlack);
    p.drawRect(QRectF(-3, 8, 6, 10));
    p.drawRect(QRectF(-3, 24, 6, 10));
}

void wTwoWay(QPainter &p)
{
    warningSign(p);
    QPainterPath down;
    down.moveTo(-14, -40);
    down.lineTo(-14, 16);
    arrow(p, down, QPointF(-14, 36), QPointF(0, 1), 10, 18, 13, kBlack);
    QPainterPath up;
    up.moveTo(14, 36);
    up.lineTo(14, -20);
    arrow(p, up, QPointF(14, -40), QPointF(0, -1), 10, 18, 13, kBlack);
}

void wSteepDown(QPainter &p)
{
    warningSign(p);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlack);
    p.drawPolygon(QPolygonF({QPointF(-44, -12), QPointF(44, 30), QPointF(-44, 30)}));
    // A car going down the slope, wheels on the slope surface.
    p.save();
    p.translate(-4, -12 + 42.0 * 40 / 88);
    p.rotate(qRadiansToDegrees(qAtan2(42.0, 88.0)));
    p.drawEllipse(QPointF(-12, -5), 5, 5);
    p.drawEllipse(QPointF(12, -5), 5, 5);
    p.drawRoundedRect(QRectF(-20, -17, 40, 10), 3, 3);
    p.drawRoundedRect(QRectF(-10, -25, 20, 10), 3, 3);
    p.restore();
    p.setFont(cjk(15));
    p.setPen(kYellow);
    p.drawText(QRectF(-40, 12, 44, 18), Qt::AlignCenter, QStringLiteral("10%"));
}

// ---------------------------------------------------------------- prohibition signs

void pClosed(QPainter &p)
{
    prohibitionSign(p);
}

void pNoEntry(QPainter &p)
{
    backdrop(p);
    p.translate(W / 2.0, H / 2.0);
    p.setPen(Qt::NoPen);
    p.setBrush(kWhite);
    p.drawEllipse(QPointF(0, 0), 62, 62);
    p.setBrush(kRed);
    p.drawEllipse(QPointF(0, 0), 60, 60);
    p.fillRect(QRectF(-42, -9, 84, 18), kWhite);
}

void pStop(QPainter &p)
{
    backdrop(p);
    p.translate(W / 2.0, H / 2.0);
    auto octagon = [](qreal r) {
        QPolygonF poly;
        for (int i = 0; i < 8; ++i)
            poly << unit(22.5 + 45 * i) * r;
        return poly;
    };
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    p.drawPolygon(octagon(63));
    p.setBrush(kWhite);
    p.drawPolygon(octagon(58));
    p.setBrush(kRed);
    p.drawPolygon(octagon(54));
    centredText(p, QRectF(-50, -46, 100, 90), QStringLiteral("停"), cjk(66), kWhite);
}

void pYield(QPainter &p)
{
    backdrop(p);
    const qreal side = 148, h = side * qSqrt(3.0) / 2;
    const qreal cx = W / 2.0, top = 4;
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    p.drawPolygon(QPolygonF({QPointF(cx - side / 2, top), QPointF(cx + side / 2, top), QPointF(cx, top + h)}));
    const qreal inset = 12, s2 = side - 2 * inset * qSqrt(3.0), h2 = s2 * qSqrt(3.0) / 2, t2 = top + inset;
    p.setBrush(kWhite);
    p.drawPolygon(QPolygonF({QPointF(cx - s2 / 2, t2), QPointF(cx + s2 / 2, t2), QPointF(cx, t2 + h2)}));
    centredText(p, QRectF(cx - 30, top + 14, 60, 56), QStringLiteral("让"), cjk(44), kBlack);
}

void pNoHorn(QPainter &p)
{
    prohibitionSign(p);
    horn(p, kBlack);
    redSlash(p);
}

void pNoLeft(QPainter &p)
{
    prohibitionSign(p);
    QPainterPath path;
    path.moveTo(10, 36);
    path.lineTo(10, 0);
    path.quadTo(10, -14, -4, -14);
    path.lineTo(-14, -14);
    arrow(p, path, QPointF(-32, -14), QPointF(-1, 0), 11, 18, 14, kBlack);
    redSlash(p);
}

void pNoUTurn(QPainter &p)
{
    prohibitionSign(p);
    QPainterPath path;
    path.moveTo(14, 36);
    path.lineTo(14, -8);
    path.arcTo(QRectF(-18, -24, 32, 32), 0, 180);
    path.lineTo(-18, 10);
    arrow(p, path, QPointF(-18, 30), QPointF(0, 1), 10, 18, 13, kBlack);
    redSlash(p);
}

void pNoOvertake(QPainter &p)
{
    prohibitionSign(p);
    p.save();
    p.translate(-18, 0);
    carRear(p, kRed);
    p.restore();
    p.save();
    p.translate(18, 0);
    carRear(p, kBlack);
    p.restore();
}

void numberSign(QPainter &p, const QString &text, const QColor &c, int px)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(px);
    f.setBold(true);
    f.setStretch(QFont::SemiCondensed);
    centredText(p, QRectF(-46, -40, 92, 80), text, f, c);
}

void pSpeed40(QPainter &p)
{
    prohibitionSign(p);
    numberSign(p, QStringLiteral("40"), kBlack, 50);
}

void pEndSpeed40(QPainter &p)
{
    backdrop(p);
    p.translate(W / 2.0, H / 2.0);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlack);
    p.drawEllipse(QPointF(0, 0), 60, 60);
    p.setBrush(kWhite);
    p.drawEllipse(QPointF(0, 0), 55, 55);
    numberSign(p, QStringLiteral("40"), QColor(110, 110, 110), 50);
    p.save();
    QPainterPath clip;
    clip.addEllipse(QPointF(0, 0), 55, 55);
    p.setClipPath(clip);
    p.setPen(QPen(kBlack, 3));
    for (int k = -2; k <= 2; ++k) {
        QPointF off = unit(45) * (k * 9.0);
        p.drawLine(off + unit(-45) * 60, off + unit(135) * 60);
    }
    p.restore();
}

void pHeight(QPainter &p)
{
    prohibitionSign(p);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(26);
    f.setBold(true);
    centredText(p, QRectF(-44, -16, 88, 32), QStringLiteral("3.5m"), f, kBlack);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlack);
    p.drawPolygon(head(QPointF(0, -19), QPointF(0, 1), 14, 14));
    p.drawPolygon(head(QPointF(0, 19), QPointF(0, -1), 14, 14));
}

void pWeight(QPainter &p)
{
    prohibitionSign(p);
    numberSign(p, QStringLiteral("10t"), kBlack, 40);
}

void pNoParking(QPainter &p)
{
    prohibitionSign(p, kBlue);
    p.setPen(QPen(kRed, 10, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(unit(-135) * 47, unit(45) * 47);
    p.drawLine(unit(-45) * 47, unit(135) * 47);
}

void pNoLongPark(QPainter &p)
{
    prohibitionSign(p, kBlue);
    p.setPen(QPen(kRed, 10, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(unit(-135) * 47, unit(45) * 47);
}

// ---------------------------------------------------------------- mandatory signs

void mStraight(QPainter &p)
{
    mandatorySign(p);
    QPainterPath path;
    path.moveTo(0, 40);
    path.lineTo(0, -14);
    arrow(p, path, QPointF(0, -42), QPointF(0, -1), 16, 28, 22, kWhite);
}

void mKeepRight(QPainter &p)
{
    mandatorySign(p);
    QPointF d = unit(45);
    QPainterPath path;
    path.moveTo(d * -36);
    path.lineTo(d * 12);
    arrow(p, path, d * 38, d, 16, 28, 22, kWhite);
}

void mRoundabout(QPainter &p)
{
    mandatorySign(p);
    // Three arrows travelling anticlockwise on screen (vehicles keep right).
    const qreal r = 28;
    QRectF box(-r, -r, 2 * r, 2 * r);
    for (int i = 0; i < 3; ++i) {
        const qreal start = 100 + 120 * i;   // degrees, Qt counts anticlockwise
        const qreal span = 70;
        QPainterPath path;
        path.arcMoveTo(box, start);
        path.arcTo(box, start, span);
        const qreal e = qDegreesToRadians(start + span);
        QPointF base(r * qCos(e), -r * qSin(e));
        QPointF dir(-qSin(e), -qCos(e));   // tangent, anticlockwise on screen
        arrow(p, path, base + dir * 16, dir, 10, 17, 13, kWhite);
    }
}

void mHorn(QPainter &p)
{
    mandatorySign(p);
    horn(p, kWhite);
}

void mMinSpeed(QPainter &p)
{
    mandatorySign(p);
    numberSign(p, QStringLiteral("60"), kWhite, 52);
}

void mPriority(QPainter &p)
{
    backdrop(p);
    p.translate(W / 2.0, H / 2.0);
    panel(p, QRectF(-60, -60, 120, 120), kBlue);
    QPainterPath up;
    up.moveTo(16, 46);
    up.lineTo(16, -16);
    arrow(p, up, QPointF(16, -46), QPointF(0, -1), 15, 28, 20, kWhite);
    QPainterPath down;
    down.moveTo(-18, -40);
    down.lineTo(-18, 18);
    arrow(p, down, QPointF(-18, 40), QPointF(0, 1), 9, 20, 13, kRed);
}

void mBusLane(QPainter &p)
{
    backdrop(p);
    panel(p, QRectF(8, 6, 209, 125), kBlue);
    // Bus pictogram, side view.
    p.setPen(Qt::NoPen);
    p.setBrush(kWhite);
    p.drawRoundedRect(QRectF(22, 20, 88, 44), 6, 6);
    p.setBrush(kBlue);
    for (int i = 0; i < 4; ++i)
        p.drawRect(QRectF(28 + i * 20, 26, 15, 14));
    p.drawEllipse(QPointF(42, 64), 9, 9);
    p.drawEllipse(QPointF(92, 64), 9, 9);
    p.setBrush(kWhite);
    p.drawEllipse(QPointF(42, 64), 5, 5);
    p.drawEllipse(QPointF(92, 64), 5, 5);
    centredText(p, QRectF(112, 10, 100, 66), QStringLiteral("公交\n专用"), cjk(22), kWhite);
    centredText(p, QRectF(14, 80, 197, 44), QStringLiteral("7:00-9:00\n17:00-19:00"), cjk(16), kWhite);
}

// ---------------------------------------------------------------- guide signs

void gParking(QPainter &p)
{
    backdrop(p);
    p.translate(W / 2.0, H / 2.0);
    panel(p, QRectF(-58, -58, 116, 116), kBlue);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(92);
    f.setBold(true);
    centredText(p, QRectF(-56, -58, 112, 116), QStringLiteral("P"), f, kWhite);
}

void gExit(QPainter &p)
{
    backdrop(p);
    panel(p, QRectF(6, 8, 213, 121), kGreen);
    centredText(p, QRectF(14, 14, 197, 36), QStringLiteral("澄原东"), cjk(28), kWhite);
    centredText(p, QRectF(14, 50, 120, 30), QStringLiteral("出口 EXIT"), cjk(20), kWhite);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(34);
    f.setBold(true);
    centredText(p, QRectF(14, 84, 197, 40), QStringLiteral("2 km"), f, kWhite);
    // Exit arrow, up and to the right.
    QPainterPath path;
    path.moveTo(160, 80);
    path.lineTo(160, 66);
    arrow(p, path, QPointF(182, 50), QPointF(0.8, -0.6), 7, 14, 10, kWhite);
    p.setPen(QPen(kWhite, 7, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.drawLine(QPointF(160, 68), QPointF(173, 57));
}

void gDistance(QPainter &p)
{
    backdrop(p);
    panel(p, QRectF(6, 8, 213, 121), kBlue);
    const char *names[] = {"青岚镇", "澄原", "云泽湖"};
    const char *kms[] = {"12 km", "35 km", "68 km"};
    for (int i = 0; i < 3; ++i) {
        p.setFont(cjk(24));
        p.setPen(kWhite);
        p.drawText(QRectF(20, 16 + i * 37, 110, 34), Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(names[i]));
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(22);
        f.setBold(true);
        p.setFont(f);
        p.drawText(QRectF(110, 16 + i * 37, 96, 34), Qt::AlignRight | Qt::AlignVCenter, QString::fromUtf8(kms[i]));
    }
}

// ---------------------------------------------------------------- road scenes (top view)

void verge(QPainter &p)
{
    p.fillRect(0, 0, W, H, QColor(120, 170, 100));
}

// Car seen from above, centred on the origin, pointing up when angle is 0.
void carTop(QPainter &p, QPointF at, qreal angleDeg, const QColor &c, const QString &label = QString(), qreal len = 30)
{
    p.save();
    p.translate(at);
    p.rotate(angleDeg);
    p.setPen(QPen(kBlack, 1));
    p.setBrush(c);
    p.drawRoundedRect(QRectF(-9, -len / 2, 18, len), 4, 4);
    p.setBrush(QColor(40, 60, 80));
    p.drawRect(QRectF(-7, -len / 2 + 6, 14, 6));
    p.drawRect(QRectF(-7, len / 2 - 8, 14, 4));
    p.restore();
    if (!label.isEmpty()) {
        p.save();
        p.setFont(cjk(15));
        p.setPen(kWhite);
        p.drawText(QRectF(at.x() - 9, at.y() - 9, 18, 18), Qt::AlignCenter, label);
        p.restore();
    }
}

void dashedLine(QPainter &p, QPointF a, QPointF b, const QColor &c, qreal width, qreal dash = 4, qreal gap = 4)
{
    QPen pen(c, width, Qt::CustomDashLine, Qt::FlatCap);
    pen.setDashPattern({dash, gap});
    p.setPen(pen);
    p.drawLine(a, b);
}

// A warning triangle set on the road, seen from above: its tip at `apex`.
void triangleTop(QPainter &p, QPointF apex)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    p.drawPolygon(QPolygonF({apex, apex + QPointF(9, 16), apex + QPointF(-9, 16)}));
    p.setBrush(kAsphalt);
    p.drawPolygon(QPolygonF({apex + QPointF(0, 6), apex + QPointF(4, 13), apex + QPointF(-4, 13)}));
}

// A yellow distance marker along the road, arrow heads at `top` and `bottom`.
void distanceMarker(QPainter &p, qreal x, qreal top, qreal bottom)
{
    p.setPen(QPen(kYellow, 2));
    p.drawLine(QPointF(x, top + 2), QPointF(x, bottom - 2));
    p.setPen(Qt::NoPen);
    p.setBrush(kYellow);
    p.drawPolygon(head(QPointF(x, top), QPointF(0, -1), 7, 4));
    p.drawPolygon(head(QPointF(x, bottom), QPointF(0, 1), 7, 4));
}

// Plain crossroads of two two-lane roads; road width 60 around the centre.
void crossroads(QPainter &p, bool stopLines = true)
{
    verge(p);
    const qreal cx = W / 2.0, cy = H / 2.0, half = 30;
    p.fillRect(QRectF(cx - half, 0, 2 * half, H), kAsphalt);
    p.fillRect(QRectF(0, cy - half, W, 2 * half), kAsphalt);
    // Centre lines outside the junction.
    p.setPen(QPen(kLineYellow, 2));
    p.drawLine(QPointF(cx, 0), QPointF(cx, cy - half - 6));
    p.drawLine(QPointF(cx, cy + half + 6), QPointF(cx, H));
    p.drawLine(QPointF(0, cy), QPointF(cx - half - 6, cy));
    p.drawLine(QPointF(cx + half + 6, cy), QPointF(W, cy));
    if (stopLines) {
        p.setPen(QPen(kWhite, 2));
        p.drawLine(QPointF(cx, cy + half + 4), QPointF(cx + half, cy + half + 4));
        p.drawLine(QPointF(cx - half, cy - half - 4), QPointF(cx, cy - half - 4));
        p.drawLine(QPointF(cx - half - 4, cy), QPointF(cx - half - 4, cy + half));
        p.drawLine(QPointF(cx + half + 4, cy - half), QPointF(cx + half + 4, cy));
    }
}

void pathArrow(QPainter &p, const QPainterPath &path, QPointF tip, QPointF dir, const QColor &c)
{
    QPen pen(c, 3, Qt::DashLine, Qt::FlatCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPolygon(head(tip, dir, 10, 6));
}

void sUncontrolled(QPainter &p)
{
    crossroads(p, false);
    const qreal cx = W / 2.0, cy = H / 2.0;
    carTop(p, QPointF(cx + 15, cy + 50), 0, kRed, QStringLiteral("A"));
    carTop(p, QPointF(cx + 62, cy - 15), -90, kBlue, QStringLiteral("B"));
    QPainterPath a;
    a.moveTo(cx + 15, cy + 32);
    a.lineTo(cx + 15, cy - 28);
    pathArrow(p, a, QPointF(cx + 15, cy - 38), QPointF(0, -1), kWhite);
    QPainterPath b;
    b.moveTo(cx + 44, cy - 15);
    b.lineTo(cx - 28, cy - 15);
    pathArrow(p, b, QPointF(cx - 38, cy - 15), QPointF(-1, 0), kWhite);
}

void trafficLightPost(QPainter &p, QPointF at)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kBlack);
    p.drawRoundedRect(QRectF(at.x() - 6, at.y() - 16, 12, 32), 3, 3);
    p.setBrush(QColor(70, 30, 30));
    p.drawEllipse(at + QPointF(0, -9), 4, 4);
    p.setBrush(QColor(70, 60, 20));
    p.drawEllipse(at, 4, 4);
    p.setBrush(QColor(40, 230, 90));
    p.drawEllipse(at + QPointF(0, 9), 4, 4);
}

void sLeftStraight(QPainter &p)
{
    crossroads(p);
    const qreal cx = W / 2.0, cy = H / 2.0;
    trafficLightPost(p, QPointF(cx + 45, cy + 48));
    trafficLightPost(p, QPointF(cx - 45, cy - 48));
    carTop(p, QPointF(cx + 12, cy + 52), 0, kRed, QStringLiteral("A"));
    carTop(p, QPointF(cx - 12, cy - 52), 180, kBlue, QStringLiteral("B"));
    QPainterPath a;
    a.moveTo(cx + 12, cy + 34);
    a.quadTo(cx + 8, cy - 14, cx - 28, cy - 14);
    pathArrow(p, a, QPointF(cx - 40, cy - 14), QPointF(-1, 0), kWhite);
    QPainterPath b;
    b.moveTo(cx - 12, cy - 34);
    b.lineTo(cx - 12, cy + 40);
    pathArrow(p, b, QPointF(cx - 12, cy + 52), QPointF(0, 1), kYellow);
}

void sRightLeft(QPainter &p)
{
    crossroads(p, false);
    const qreal cx = W / 2.0, cy = H / 2.0;
    carTop(p, QPointF(cx + 14, cy + 52), 0, kRed, QStringLiteral("A"));
    carTop(p, QPointF(cx - 14, cy - 52), 180, kBlue, QStringLiteral("B"));
    QPainterPath a;
    a.moveTo(cx + 14, cy + 34);
    a.quadTo(cx + 18, cy + 14, cx + 44, cy + 14);
    pathArrow(p, a, QPointF(cx + 56, cy + 14), QPointF(1, 0), kWhite);
    QPainterPath b;
    b.moveTo(cx - 14, cy - 34);
    b.quadTo(cx - 10, cy + 12, cx + 40, cy + 16);
    pathArrow(p, b, QPointF(cx + 52, cy + 17), QPointF(1, 0.05), kYellow);
}

void sMountain(QPainter &p)
{
    // Road running top to bottom; mountain on the left, valley on the right.
    p.fillRect(0, 0, W, H, QColor(150, 190, 120));
    p.fillRect(QRectF(0, 0, 70, H), QColor(139, 101, 62));
    p.setPen(QPen(QColor(100, 70, 40), 2));
    for (int y = -70; y < H; y += 12)
        p.drawLine(QPointF(0, y), QPointF(70, y + 70));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 150, 200));
    p.drawRect(QRectF(150, 0, 75, H));
    p.fillRect(QRectF(70, 0, 76, H), kAsphalt);
    // Guard rail on the valley side.
    p.setPen(QPen(kWhite, 3));
    p.drawLine(QPointF(147, 0), QPointF(147, H));
    p.setPen(QPen(kRed, 3, Qt::CustomDashLine));
    QPen rail(kRed, 3, Qt::CustomDashLine, Qt::FlatCap);
    rail.setDashPattern({3, 3});
    p.setPen(rail);
    p.drawLine(QPointF(147, 0), QPointF(147, H));
    carTop(p, QPointF(90, 45), 180, kRed, QStringLiteral("A"));
    carTop(p, QPointF(126, 92), 0, kBlue, QStringLiteral("B"));
    p.setFont(cjk(14));
    p.setPen(kWhite);
    p.drawText(QRectF(2, 4, 66, 20), Qt::AlignCenter, QStringLiteral("山体"));
    p.drawText(QRectF(152, 4, 70, 20), Qt::AlignCenter, QStringLiteral("悬崖"));
}

void sBreakdown(QPainter &p)
{
    // Expressway, traffic travelling upward; emergency lane on the right.
    p.fillRect(0, 0, W, H, QColor(120, 170, 100));
    p.fillRect(QRectF(30, 0, 150, H), kAsphalt);
    p.setPen(QPen(kWhite, 2));
    p.drawLine(QPointF(34, 0), QPointF(34, H));
    p.drawLine(QPointF(150, 0), QPointF(150, H));
    dashedLine(p, QPointF(92, 0), QPointF(92, H), kWhite, 2, 8, 8);
    // Guard rail.
    p.setPen(QPen(QColor(200, 200, 200), 3));
    p.drawLine(QPointF(184, 0), QPointF(184, H));
    // Broken-down car in the emergency lane, hazard lights on.
    carTop(p, QPointF(165, 26), 0, kWhite);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 170, 0));
    for (QPointF c : {QPointF(158, 12), QPointF(172, 12), QPointF(158, 40), QPointF(172, 40)})
        p.drawEllipse(c, 3, 3);
    // Warning triangle far behind the car.
    triangleTop(p, QPointF(165, 108));
    distanceMarker(p, 140, 30, 118);
    p.setFont(cjk(13));
    p.setPen(kYellow);
    p.drawText(QRectF(96, 64, 44, 20), Qt::AlignCenter, QStringLiteral("150米"));
    // People behind the guard rail.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 230, 60));
    p.drawEllipse(QPointF(200, 22), 4, 4);
    p.drawEllipse(QPointF(212, 30), 4, 4);
    // Traffic in the carriageway.
    carTop(p, QPointF(62, 70), 0, QColor(60, 120, 200));
    carTop(p, QPointF(120, 100), 0, QColor(200, 200, 60));
}

// Two-lane road seen from above with a configurable centre marking.
void twoLaneRoad(QPainter &p)
{
    verge(p);
    p.fillRect(QRectF(0, 28, W, 82), kAsphalt);
    p.setPen(QPen(kWhite, 2));
    p.drawLine(QPointF(0, 32), QPointF(W, 32));
    p.drawLine(QPointF(0, 106), QPointF(W, 106));
}

void kDoubleYellow(QPainter &p)
{
    twoLaneRoad(p);
    p.setPen(QPen(kLineYellow, 3));
    p.drawLine(QPointF(0, 66), QPointF(W, 66));
    p.drawLine(QPointF(0, 72), QPointF(W, 72));
    carTop(p, QPointF(60, 89), 90, kRed);
    carTop(p, QPointF(165, 49), -90, kBlue);
}

void kMixed(QPainter &p)
{
    twoLaneRoad(p);
    p.setPen(QPen(kLineYellow, 3));
    p.drawLine(QPointF(0, 66), QPointF(W, 66));
    dashedLine(p, QPointF(0, 72), QPointF(W, 72), kLineYellow, 3, 6, 5);
    carTop(p, QPointF(60, 89), 90, kRed, QStringLiteral("A"));
    carTop(p, QPointF(165, 49), -90, kBlue, QStringLiteral("B"));
}

void kGrid(QPainter &p)
{
    crossroads(p);
    const qreal cx = W / 2.0, cy = H / 2.0;
    QRectF box(cx - 28, cy - 28, 56, 56);
    p.save();
    p.setClipRect(box);
    p.setPen(QPen(kLineYellow, 2));
    for (int k = -60; k <= 60; k += 10) {
        p.drawLine(QPointF(cx + k - 40, cy - 40), QPointF(cx + k + 40, cy + 40));
        p.drawLine(QPointF(cx + k + 40, cy - 40), QPointF(cx + k - 40, cy + 40));
    }
    p.restore();
    p.setPen(QPen(kLineYellow, 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(box);
}

// Approach to a junction from below; the junction edge is at y = 36.
void approach(QPainter &p)
{
    verge(p);
    p.fillRect(QRectF(0, 0, W, 36), kAsphalt);
    p.fillRect(QRectF(52, 0, 120, H), kAsphalt);
    p.setPen(QPen(kLineYellow, 3));
    p.drawLine(QPointF(112, 48), QPointF(112, H));
}

void kStopYield(QPainter &p)
{
    approach(p);
    p.setPen(QPen(kWhite, 3));
    p.drawLine(QPointF(114, 46), QPointF(172, 46));
    p.drawLine(QPointF(114, 53), QPointF(172, 53));
    centredText(p, QRectF(120, 58, 46, 44), QStringLiteral("停"), cjk(36), kWhite);
    carTop(p, QPointF(143, 124), 0, kRed, QString(), 22);
}

void kSlowYield(QPainter &p)
{
    approach(p);
    dashedLine(p, QPointF(114, 46), QPointF(172, 46), kWhite, 3, 3, 2);
    dashedLine(p, QPointF(114, 53), QPointF(172, 53), kWhite, 3, 3, 2);
    p.setPen(QPen(kWhite, 3));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(QPolygonF({QPointF(126, 68), QPointF(160, 68), QPointF(143, 104)}));
    carTop(p, QPointF(143, 124), 0, kRed, QString(), 22);
}

void kZebra(QPainter &p)
{
    verge(p);
    p.fillRect(QRectF(60, 0, 105, H), kAsphalt);
    p.setPen(QPen(kLineYellow, 3));
    p.drawLine(QPointF(112, 0), QPointF(112, H));
    p.setPen(Qt::NoPen);
    p.setBrush(kWhite);
    for (int x = 64; x < 162; x += 12)
        p.drawRect(QRectF(x, 14, 7, 30));
    // Pedestrian crossing ahead marking (diamond) in the near lane.
    p.setPen(QPen(kWhite, 3));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(QPolygonF({QPointF(138, 70), QPointF(150, 90), QPointF(138, 110), QPointF(126, 90)}));
    p.setPen(QPen(kWhite, 2));
    p.drawLine(QPointF(118, 54), QPointF(162, 54));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 220, 60));
    p.drawEllipse(QPointF(90, 28), 5, 5);
}

void laneArrowStraight(QPainter &p, qreal x, qreal y)
{
    QPainterPath s;
    s.moveTo(x, y + 24);
    s.lineTo(x, y - 6);
    arrow(p, s, QPointF(x, y - 20), QPointF(0, -1), 5, 14, 9, kWhite);
}

void kArrows(QPainter &p)
{
    verge(p);
    p.fillRect(QRectF(0, 0, W, 30), kAsphalt);
    p.fillRect(QRectF(40, 0, 150, H), kAsphalt);
    p.setPen(QPen(kLineYellow, 3));
    p.drawLine(QPointF(70, 34), QPointF(70, H));
    p.setPen(QPen(kWhite, 2));
    p.drawLine(QPointF(70, 34), QPointF(190, 34));
    p.drawLine(QPointF(110, 34), QPointF(110, H));
    p.drawLine(QPointF(150, 34), QPointF(150, H));
    // Left lane: left turn.
    QPainterPath l;
    l.moveTo(90, 116);
    l.lineTo(90, 80);
    l.quadTo(90, 70, 82, 70);
    arrow(p, l, QPointF(72, 70), QPointF(-1, 0), 5, 12, 8, kWhite);
    // Middle lane: straight.
    laneArrowStraight(p, 130, 92);
    // Right lane: straight and right turn.
    laneArrowStraight(p, 170, 92);
    QPainterPath r;
    r.moveTo(170, 100);
    r.quadTo(170, 86, 178, 86);
    arrow(p, r, QPointF(188, 86), QPointF(1, 0), 5, 11, 7, kWhite);
    carTop(p, QPointF(170, 128), 0, kRed, QString(), 22);
}

void tRightTurn(QPainter &p)
{
    // Truck coming up the vertical road and turning right into the road on the right.
    verge(p);
    p.fillRect(QRectF(40, 0, 100, H), kAsphalt);
    p.fillRect(QRectF(40, 0, W - 40, 72), kAsphalt);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 170, 100));
    p.drawEllipse(QPointF(162, 94), 22, 22);
    p.drawRect(QRectF(162, 72, W - 162, H - 72));
    p.drawRect(QRectF(140, 94, W - 140, H - 94));
    p.setPen(QPen(kLineYellow, 2));
    p.drawLine(QPointF(90, 72), QPointF(90, H));
    // Paths of the right front wheel and of the right rear wheel.
    QPainterPath front;
    front.moveTo(122, H);
    front.lineTo(122, 60);
    front.quadTo(122, 30, 152, 30);
    front.lineTo(W, 30);
    QPainterPath rear;
    rear.moveTo(122, H);
    rear.lineTo(122, 112);
    rear.quadTo(124, 56, 168, 50);
    rear.lineTo(W, 48);
    QPainterPath zone = front;
    zone.lineTo(W, 48);
    zone.connectPath(rear.toReversed());
    zone.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(235, 60, 40, 120));
    p.drawPath(zone);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kWhite, 2, Qt::DashLine));
    p.drawPath(front);
    p.setPen(QPen(kYellow, 2, Qt::DashLine));
    p.drawPath(rear);
    // The truck, seen from above, cab first, front wheels starting to turn.
    p.setPen(QPen(kBlack, 1));
    p.setBrush(QColor(190, 190, 190));
    p.drawRect(QRectF(96, 92, 28, 50));
    p.save();
    p.translate(110, 80);
    p.rotate(14);
    p.setBrush(QColor(30, 110, 190));
    p.drawRect(QRectF(-14, -12, 28, 22));
    p.restore();
    // Cyclist inside the danger zone.
    p.setPen(QPen(kBlack, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(137, 50), QPointF(150, 50));
    p.setPen(QPen(kBlack, 1));
    p.setBrush(QColor(250, 220, 60));
    p.drawEllipse(QPointF(143, 50), 4, 4);
    p.setFont(cjk(12));
    p.setPen(kWhite);
    p.drawText(QRectF(160, 100, 64, 16), Qt::AlignLeft, QStringLiteral("内轮差区"));
    p.setPen(QPen(kWhite, 1));
    p.drawLine(QPointF(172, 100), QPointF(140, 62));
    p.setFont(cjk(11));
    p.drawText(QRectF(150, 12, 74, 16), Qt::AlignLeft, QStringLiteral("前轮轨迹"));
    p.setPen(kYellow);
    p.drawText(QRectF(170, 50, 54, 16), Qt::AlignLeft, QStringLiteral("后轮轨迹"));
}

// ---------------------------------------------------------------- instrument panel

void dashboard(QPainter &p)
{
    QLinearGradient g(0, 0, 0, H);
    g.setColorAt(0, QColor(30, 32, 36));
    g.setColorAt(1, QColor(10, 10, 12));
    p.fillRect(0, 0, W, H, g);
    p.setPen(QPen(QColor(70, 70, 76), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(52, 8, 121, 121), 16, 16);
    p.translate(W / 2.0, H / 2.0);
}

const QColor kAmber(255, 176, 0);
const QColor kLampRed(240, 40, 40);
const QColor kLampBlue(40, 120, 255);

void iFuel(QPainter &p)
{
    dashboard(p);
    p.setPen(Qt::NoPen);
    p.setBrush(kAmber);
    p.drawRoundedRect(QRectF(-26, -34, 34, 66), 3, 3);
    p.fillRect(QRectF(-32, 28, 46, 8), kAmber);
    p.setBrush(QColor(30, 30, 34));
    p.drawRect(QRectF(-20, -27, 22, 18));
    // Hose and nozzle.
    p.setPen(QPen(kAmber, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath hose;
    hose.moveTo(8, -20);
    hose.lineTo(20, -10);
    hose.lineTo(20, 18);
    hose.quadTo(20, 26, 26, 22);
    hose.lineTo(26, -16);
    hose.lineTo(18, -28);
    p.drawPath(hose);
}

void iBattery(QPainter &p)
{
    dashboard(p);
    p.setPen(Qt::NoPen);
    p.setBrush(kLampRed);
    p.drawRoundedRect(QRectF(-40, -20, 80, 46), 4, 4);
    p.drawRect(QRectF(-30, -28, 14, 8));
    p.drawRect(QRectF(16, -28, 14, 8));
    p.setBrush(QColor(30, 30, 34));
    p.drawRect(QRectF(-31, 0, 16, 5));
    p.drawRect(QRectF(16, 0, 16, 5));
    p.drawRect(QRectF(21.5, -5.5, 5, 16));
}

void lampArcs(QPainter &p, const QColor &c)
{
    p.setPen(QPen(c, 5, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-48, -38, 96, 76), 130 * 16, 100 * 16);
    p.drawArc(QRectF(-48, -38, 96, 76), -50 * 16, 100 * 16);
}

void iBrake(QPainter &p)
{
    dashboard(p);
    p.setPen(QPen(kLampRed, 5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 0), 28, 28);
    lampArcs(p, kLampRed);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(36);
    f.setBold(true);
    centredText(p, QRectF(-24, -24, 48, 48), QStringLiteral("P"), f, kLampRed);
}

void iAbs(QPainter &p)
{
    dashboard(p);
    p.setPen(QPen(kAmber, 5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 0), 30, 30);
    lampArcs(p, kAmber);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(21);
    f.setBold(true);
    centredText(p, QRectF(-28, -20, 56, 40), QStringLiteral("ABS"), f, kAmber);
}

void iHighBeam(QPainter &p)
{
    dashboard(p);
    p.setPen(Qt::NoPen);
    p.setBrush(kLampBlue);
    QPainterPath lamp;
    lamp.moveTo(4, -26);
    lamp.cubicTo(40, -26, 40, 26, 4, 26);
    lamp.closeSubpath();
    p.drawPath(lamp);
    p.setPen(QPen(kLampBlue, 5, Qt::SolidLine, Qt::FlatCap));
    for (int i = 0; i < 5; ++i) {
        qreal y = -22 + i * 11;
        p.drawLine(QPointF(-36, y), QPointF(-6, y));
    }
}

void iHazard(QPainter &p)
{
    // Hazard warning switch on the centre console.
    QLinearGradient g(0, 0, 0, H);
    g.setColorAt(0, QColor(60, 62, 66));
    g.setColorAt(1, QColor(35, 36, 40));
    p.fillRect(0, 0, W, H, g);
    p.translate(W / 2.0, H / 2.0);
    p.setPen(QPen(QColor(20, 20, 20), 2));
    p.setBrush(QColor(28, 28, 30));
    p.drawRoundedRect(QRectF(-52, -52, 104, 104), 14, 14);
    auto tri = [](qreal r) {
        return QPolygonF({QPointF(0, -r), QPointF(r * 0.866, r / 2), QPointF(-r * 0.866, r / 2)});
    };
    p.setPen(QPen(kLampRed, 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.translate(0, 6);
    p.drawPolygon(tri(36));
    p.setPen(QPen(kLampRed, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolygon(tri(16));
}

// ---------------------------------------------------------------- safe-driving scenes
//
// Pictures of the safe-driving exam: weather and road conditions seen from the
// driver's seat behind a car (d_ files, perspective) or from above, emergencies,
// and first aid (e_ files) with people drawn as rounded pictogram shapes.

const QColor kSky(176, 206, 236);
const QColor kHazardLamp(255, 170, 0);
const QColor kTailLamp(235, 30, 30);
const QColor kWater(70, 130, 200);
const QColor kOrange(240, 120, 20);
const QColor kSkin(238, 196, 156);
const QColor kSchoolBus(250, 196, 0);

// Deterministic scatter for rain, snow and gravel: the n-th point of a fixed
// sequence inside `r`.
QPointF scatter(int n, const QRectF &r)
{
    quint32 s = 2463534242u + quint32(n) * 2654435761u;
    s ^= s << 13;
    s ^= s >> 17;
    s ^= s << 5;
    const qreal u = (s & 0xffff) / 65535.0, v = (s >> 16) / 65535.0;
    return QPointF(r.left() + u * r.width(), r.top() + v * r.height());
}

// A road seen from behind a car: the road narrows from the bottom edge to a
// vanishing point on the horizon y = hz. u runs across the road (-1 left edge,
// 1 right edge), s from the horizon (0) to the bottom edge (1).
QPointF roadPoint(qreal hz, qreal u, qreal s)
{
    return QPointF(W / 2.0 + u * (6 + (W / 2.0 + 24) * s), hz + (H - hz) * s);
}

void perspectiveRoad(QPainter &p, qreal hz, const QColor &sky, const QColor &ground, const QColor &road = kAsphalt)
{
    p.fillRect(QRectF(0, 0, W, hz), sky);
    p.fillRect(QRectF(0, hz, W, H - hz), ground);
    p.setPen(Qt::NoPen);
    p.setBrush(road);
    p.drawPolygon(QPolygonF({roadPoint(hz, -1, 0), roadPoint(hz, 1, 0), roadPoint(hz, 1, 1), roadPoint(hz, -1, 1)}));
}

// Dashes along the line u of a perspective road, longer and wider near the viewer.
void perspectiveDashes(QPainter &p, qreal hz, qreal u, const QColor &c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    for (qreal s = 0.04; s < 1; s *= 1.55) {
        const qreal e = qMin(1.0, s * 1.3), w = 0.004 + 0.012 * s;
        p.drawPolygon(QPolygonF({roadPoint(hz, u - w, s), roadPoint(hz, u + w, s), roadPoint(hz, u + w * 1.3, e),
                                 roadPoint(hz, u - w * 1.3, e)}));
    }
}

// Glow of a lamp: a radial gradient from `c` to transparent.
void glow(QPainter &p, QPointF at, qreal r, const QColor &c)
{
    QRadialGradient g(at, r);
    QColor edge = c;
    edge.setAlpha(0);
    g.setColorAt(0, c);
    g.setColorAt(1, edge);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(at, r, r);
}

// Car seen from behind (carRear) at `at`, enlarged by `scale`, with its two
// tail lamps lit in `lamp`.
void carRearLit(QPainter &p, QPointF at, qreal scale, const QColor &c, const QColor &lamp = kTailLamp)
{
    p.save();
    p.translate(at);
    p.scale(scale, scale);
    carRear(p, c);
    p.setBrush(lamp);
    p.drawRect(QRectF(-16, 4, 6, 4));
    p.drawRect(QRectF(10, 4, 6, 4));
    p.restore();
}

// Where carRearLit puts its lamps, for glows drawn over fog or darkness.
QPointF rearLamp(QPointF at, qreal scale, int side)
{
    return at + QPointF(side * 13, 6) * scale;
}

// Amber dots at the four corners of a carTop of length `len`: hazard lamps on.
void hazardLamps(QPainter &p, QPointF at, qreal angleDeg, qreal len = 30, qreal half = 9)
{
    p.save();
    p.translate(at);
    p.rotate(angleDeg);
    p.setPen(Qt::NoPen);
    p.setBrush(kHazardLamp);
    for (int sx : {-1, 1})
        for (int sy : {-1, 1})
            p.drawEllipse(QPointF(sx * (half - 1), sy * (len / 2 - 1)), 3, 3);
    p.restore();
}

// Lorry seen from above, pointing up when angle is 0: cab, then the load body.
void truckTop(QPainter &p, QPointF at, qreal angleDeg, const QColor &cab, qreal len = 62)
{
    p.save();
    p.translate(at);
    p.rotate(angleDeg);
    p.setPen(QPen(kBlack, 1));
    p.setBrush(QColor(196, 196, 196));
    p.drawRect(QRectF(-11, -len / 2 + 17, 22, len - 17));
    p.setPen(QPen(QColor(150, 150, 150), 1));
    for (qreal y = -len / 2 + 27; y < len / 2 - 4; y += 10)
        p.drawLine(QPointF(-10, y), QPointF(10, y));
    p.setPen(QPen(kBlack, 1));
    p.setBrush(cab);
    p.drawRoundedRect(QRectF(-11, -len / 2, 22, 16), 3, 3);
    p.setBrush(QColor(40, 60, 80));
    p.drawRect(QRectF(-9, -len / 2 + 2, 18, 4));
    p.restore();
}

// Bus seen from above, pointing up when angle is 0.
void busTop(QPainter &p, QPointF at, qreal angleDeg, const QColor &c, qreal len = 60)
{
    p.save();
    p.translate(at);
    p.rotate(angleDeg);
    p.setPen(QPen(kBlack, 1));
    p.setBrush(c);
    p.drawRoundedRect(QRectF(-11, -len / 2, 22, len), 4, 4);
    p.setBrush(QColor(40, 60, 80));
    p.drawRect(QRectF(-9, -len / 2 + 3, 18, 5));
    p.setPen(QPen(c.darker(125), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(-6, -len / 2 + 14, 12, len - 22));
    p.restore();
}

// Pedestrian seen from above: shoulders and head.
void personTop(QPainter &p, QPointF at, const QColor &c = QColor(250, 220, 60))
{
    p.setPen(QPen(kBlack, 1));
    p.setBrush(c);
    p.drawEllipse(at, 7, 4.5);
    p.setBrush(QColor(70, 45, 30));
    p.drawEllipse(at, 3.5, 3.5);
}

// Cyclist seen from above, riding up when angle is 0.
void cyclistTop(QPainter &p, QPointF at, qreal angleDeg)
{
    p.save();
    p.translate(at);
    p.rotate(angleDeg);
    p.setPen(QPen(kBlack, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, -10), QPointF(0, 10));
    p.drawLine(QPointF(-5, -7), QPointF(5, -7));
    p.restore();
    personTop(p, at, QColor(60, 170, 220));
}

// Traffic cone seen from above.
void coneTop(QPainter &p, QPointF at)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kOrange);
    p.drawEllipse(at, 4.5, 4.5);
    p.setBrush(kWhite);
    p.drawEllipse(at, 2.5, 2.5);
    p.setBrush(kOrange);
    p.drawEllipse(at, 1.2, 1.2);
}

// Car seen from the side, facing right (or left), wheels standing on the line
// through `at`; about 60 x 26 at scale 1.
void carSide(QPainter &p, QPointF at, const QColor &c, qreal scale = 1, bool facingLeft = false, qreal angleDeg = 0)
{
    p.save();
    p.translate(at);
    p.rotate(angleDeg);
    p.scale(facingLeft ? -scale : scale, scale);
    p.setPen(QPen(kBlack, 1));
    p.setBrush(c);
    QPainterPath body;
    body.moveTo(-30, -5);
    body.lineTo(-31, -14);
    body.lineTo(-22, -16);
    body.lineTo(-13, -26);
    body.lineTo(9, -26);
    body.lineTo(18, -16);
    body.lineTo(30, -13);
    body.lineTo(31, -5);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(QColor(170, 205, 235));
    p.drawPolygon(QPolygonF({QPointF(-12, -24), QPointF(-2, -24), QPointF(-2, -17), QPointF(-19, -17)}));
    p.drawPolygon(QPolygonF({QPointF(1, -24), QPointF(8, -24), QPointF(15, -17), QPointF(1, -17)}));
    p.setBrush(QColor(255, 236, 150));
    p.drawRect(QRectF(27, -13, 4, 3));
    p.setBrush(kBlack);
    p.drawEllipse(QPointF(-18, -5), 6, 6);
    p.drawEllipse(QPointF(18, -5), 6, 6);
    p.setBrush(QColor(170, 170, 170));
    p.drawEllipse(QPointF(-18, -5), 2.5, 2.5);
    p.drawEllipse(QPointF(18, -5), 2.5, 2.5);
    p.restore();
}

// A limb or body part of a pictogram person: a thick line with round ends.
void limb(QPainter &p, QPointF a, QPointF b, qreal width, const QColor &c)
{
    p.setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(a, b);
}

// Text with a dark rim, readable on any scene; lines separated by '\n'.
void sceneText(QPainter &p, const QRectF &r, const QString &s, int px, const QColor &c = kWhite,
               Qt::Alignment align = Qt::AlignCenter)
{
    QPainterPath path;
    const QFont f = cjk(px);
    const QFontMetricsF fm(f);
    const QStringList lines = s.split(QLatin1Char('\n'));
    const QRectF box = fm.boundingRect(r, int(align), s);
    for (int i = 0; i < lines.size(); ++i) {
        const qreal w = fm.horizontalAdvance(lines[i]);
        qreal x = box.left();
        if (align & Qt::AlignHCenter)
            x = box.center().x() - w / 2;
        else if (align & Qt::AlignRight)
            x = box.right() - w;
        path.addText(x, box.top() + fm.ascent() + i * fm.lineSpacing(), f, lines[i]);
    }
    p.setPen(QPen(QColor(20, 20, 20, 200), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(path);
}

// ---------------------------------------------------------------- weather and road conditions

void dFog(QPainter &p)
{
    const qreal hz = 54;
    perspectiveRoad(p, hz, QColor(196, 202, 208), QColor(140, 160, 140));
    perspectiveDashes(p, hz, 0, kWhite);
    const QPointF far(104, 70), near(126, 106);
    carRearLit(p, far, 0.8, QColor(80, 80, 80));
    carRearLit(p, near, 1.6, QColor(70, 96, 130));
    // Fog: thick at the horizon, thinner near the viewer.
    QLinearGradient g(0, 0, 0, H);
    g.setColorAt(0, QColor(232, 235, 238, 255));
    g.setColorAt(0.4, QColor(232, 235, 238, 230));
    g.setColorAt(0.7, QColor(232, 235, 238, 120));
    g.setColorAt(1, QColor(232, 235, 238, 40));
    p.fillRect(0, 0, W, H, g);
    // Lamps shine through: fog lamp and hazard lamps of the near car, a faint one ahead.
    glow(p, rearLamp(far, 0.8, -1), 6, QColor(255, 60, 40, 120));
    glow(p, rearLamp(near, 1.6, -1), 16, QColor(255, 40, 30, 230));
    glow(p, rearLamp(near, 1.6, 1), 12, QColor(255, 170, 0, 220));
    glow(p, rearLamp(near, 1.6, -1) + QPointF(0, -7), 9, QColor(255, 170, 0, 200));
}

void dRain(QPainter &p)
{
    const qreal hz = 50;
    perspectiveRoad(p, hz, QColor(118, 126, 138), QColor(70, 100, 70), QColor(68, 70, 76));
    perspectiveDashes(p, hz, 0, QColor(220, 220, 220));
    // Water on the road reflecting the sky.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 165, 185, 150));
    p.drawEllipse(QPointF(70, 118), 26, 5);
    p.drawEllipse(QPointF(170, 96), 18, 3.5);
    p.drawEllipse(QPointF(98, 76), 10, 2);
    const QPointF car(118, 100);
    // Reflections of the tail lamps on the wet road.
    for (int side : {-1, 1}) {
        QPointF l = rearLamp(car, 1.5, side);
        QLinearGradient g(l, l + QPointF(0, 30));
        g.setColorAt(0, QColor(255, 60, 40, 150));
        g.setColorAt(1, QColor(255, 60, 40, 0));
        p.fillRect(QRectF(l.x() - 4, l.y() + 14, 8, 22), g);
    }
    carRearLit(p, car, 1.5, QColor(200, 200, 205));
    // Spray thrown up behind the wheels.
    for (int side : {-1, 1})
        for (int k = 0; k < 3; ++k)
            glow(p, car + QPointF(side * (18 + k * 6), 26 + k * 3), 9 - k, QColor(235, 240, 245, 150));
    // Rain.
    p.setPen(QPen(QColor(230, 236, 245, 170), 1));
    for (int i = 0; i < 150; ++i) {
        QPointF a = scatter(i, QRectF(-10, -10, W + 10, H + 10));
        p.drawLine(a, a + QPointF(-3, 11));
    }
}

void dSnow(QPainter &p)
{
    const qreal hz = 50;
    perspectiveRoad(p, hz, QColor(170, 182, 198), QColor(244, 246, 250), QColor(226, 230, 236));
    // Two pairs of wheel tracks pressed into the snow.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 156, 166));
    for (qreal u : {-0.48, -0.16, 0.16, 0.48})
        p.drawPolygon(QPolygonF({roadPoint(hz, u - 0.02, 0), roadPoint(hz, u + 0.02, 0), roadPoint(hz, u + 0.07, 1),
                                 roadPoint(hz, u - 0.07, 1)}));
    // Marker posts at the edges of the road, red and white.
    for (qreal s : {0.12, 0.3, 0.62}) {
        for (int side : {-1, 1}) {
            QPointF base = roadPoint(hz, side * 1.12, s);
            const qreal h = 6 + 34 * s, w = 1 + 2.5 * s;
            p.fillRect(QRectF(base.x() - w, base.y() - h, 2 * w, h), kWhite);
            p.fillRect(QRectF(base.x() - w, base.y() - h, 2 * w, h / 3), kRed);
        }
    }
    carRearLit(p, QPointF(113, 98), 1.5, QColor(40, 90, 160));
    // Snowflakes.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 90; ++i) {
        QPointF a = scatter(i, QRectF(0, 0, W, H));
        p.setBrush(a.y() < hz ? QColor(255, 255, 255, 230) : QColor(160, 170, 185, 200));
        p.drawEllipse(a, 1.6, 1.6);
    }
}

void dFlood(QPainter &p)
{
    // A road dipping under water, seen from the side; a car about to drive in.
    p.fillRect(0, 0, W, H, kSky);
    QPainterPath surface;
    surface.moveTo(0, 88);
    surface.lineTo(60, 88);
    surface.cubicTo(90, 88, 95, 118, 125, 118);
    surface.cubicTo(155, 118, 160, 88, 190, 88);
    surface.lineTo(W, 88);
    QPainterPath ground = surface;
    ground.lineTo(W, H);
    ground.lineTo(0, H);
    ground.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 110, 96));
    p.drawPath(ground);
    p.setPen(QPen(kAsphalt, 4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(surface);
    // Depth gauge standing in the water.
    const qreal gx = 138;
    p.fillRect(QRectF(gx - 3, 52, 6, 66), kWhite);
    for (int k = 0; k < 6; ++k)
        p.fillRect(QRectF(gx - 3, 56 + k * 11, 6, 5), kRed);
    // Water, with small waves on top.
    QPainterPath water;
    water.moveTo(70, 94);
    for (qreal x = 70; x < 180; x += 10) {
        water.quadTo(x + 2.5, 92, x + 5, 94);
        water.quadTo(x + 7.5, 96, x + 10, 94);
    }
    water.lineTo(180, 94);
    water.cubicTo(160, 100, 155, 118, 125, 118);
    water.cubicTo(95, 118, 90, 100, 70, 94);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(kWater.red(), kWater.green(), kWater.blue(), 200));
    p.drawPath(water);
    carSide(p, QPointF(34, 86), QColor(200, 40, 40), 0.9);
    sceneText(p, QRectF(gx + 6, 46, 60, 18), QStringLiteral("水深?"), 14, kWhite, Qt::AlignLeft | Qt::AlignVCenter);
    sceneText(p, QRectF(70, 4, 150, 22), QStringLiteral("漫水路段"), 16);
}

// Tunnel portal in a hillside, the road running into it; `opening` is the
// dark mouth, for lamps drawn above it.
QRectF tunnelPortal(QPainter &p, qreal hz)
{
    p.fillRect(QRectF(0, 0, W, H), kSky);
    QPainterPath hill;
    hill.moveTo(0, hz + 6);
    hill.cubicTo(30, 20, 70, 8, 112, 10);
    hill.cubicTo(160, 8, 200, 24, W, hz + 6);
    hill.lineTo(W, H);
    hill.lineTo(0, H);
    hill.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(96, 140, 86));
    p.drawPath(hill);
    p.fillRect(QRectF(0, hz + 6, W, H - hz - 6), QColor(120, 160, 100));
    const QRectF frame(48, 22, 129, hz - 14);
    p.setBrush(QColor(200, 200, 196));
    p.drawRect(frame.adjusted(0, 0, 0, 8));
    QPainterPath mouth;
    const QRectF open(62, 32, 101, hz - 24);
    mouth.moveTo(open.left(), open.bottom() + 8);
    mouth.lineTo(open.left(), open.top() + 20);
    mouth.arcTo(QRectF(open.left(), open.top(), open.width(), 40), 180, -180);
    mouth.lineTo(open.right(), open.bottom() + 8);
    mouth.closeSubpath();
    QLinearGradient dark(0, open.top(), 0, open.bottom());
    dark.setColorAt(0, QColor(10, 10, 14));
    dark.setColorAt(1, QColor(40, 40, 46));
    p.setBrush(dark);
    p.drawPath(mouth);
    // The road, from the mouth to the viewer.
    p.setBrush(kAsphalt);
    p.drawPolygon(QPolygonF({QPointF(open.left() + 8, hz + 8), QPointF(open.right() - 8, hz + 8), QPointF(W + 20, H),
                             QPointF(-20, H)}));
    return open;
}

void dTunnel(QPainter &p)
{
    const qreal hz = 86;
    tunnelPortal(p, hz);
    p.setPen(Qt::NoPen);
    p.setBrush(kWhite);
    for (qreal y = hz + 12; y < H; y += 16)
        p.drawRect(QRectF(W / 2.0 - 1 - (y - hz) * 0.03, y, 2 + (y - hz) * 0.06, 7 + (y - hz) * 0.08));
    // Headlight beams reaching into the dark.
    QPainterPath beams;
    beams.moveTo(128, 116);
    beams.lineTo(124, 96);
    beams.lineTo(140, 96);
    beams.lineTo(160, 116);
    beams.closeSubpath();
    p.setBrush(QColor(255, 240, 160, 90));
    p.drawPath(beams);
    carRearLit(p, QPointF(146, 116), 1.3, QColor(230, 230, 230));
}

void dWind(QPainter &p)
{
    // Expressway from above, traffic going up; a strong wind blows from the left.
    verge(p);
    p.fillRect(QRectF(36, 0, 150, H), kAsphalt);
    p.setPen(QPen(kWhite, 2));
    p.drawLine(QPointF(40, 0), QPointF(40, H));
    p.drawLine(QPointF(182, 0), QPointF(182, H));
    dashedLine(p, QPointF(111, 0), QPointF(111, H), kWhite, 2, 8, 8);
    // Windsock on the left verge, blown to the right.
    p.setPen(QPen(QColor(80, 80, 80), 2));
    p.drawLine(QPointF(16, 18), QPointF(16, 60));
    for (int k = 0; k < 4; ++k) {
        p.setPen(Qt::NoPen);
        p.setBrush(k % 2 ? kWhite : kOrange);
        const qreal x = 17 + k * 5, h = 7 - k;
        p.drawPolygon(QPolygonF({QPointF(x, 19 - h), QPointF(x + 5, 19 - h + 1), QPointF(x + 5, 19 + h - 1), QPointF(x, 19 + h)}));
    }
    truckTop(p, QPointF(146, 74), 6, QColor(30, 110, 190), 74);
    carTop(p, QPointF(78, 96), 0, kRed);
    // Where the lorry is pushed to.
    QPainterPath drift;
    drift.moveTo(146, 36);
    drift.quadTo(150, 20, 166, 6);
    pathArrow(p, drift, QPointF(170, 2), QPointF(0.6, -0.8), QColor(255, 220, 80));
    // Gusts.
    for (int k = 0; k < 3; ++k) {
        QPainterPath gust;
        const qreal y = 40 + k * 34;
        gust.moveTo(4, y);
        gust.cubicTo(30, y - 8, 50, y + 8, 80, y);
        QPen pen(QColor(190, 225, 255), 3, Qt::SolidLine, Qt::RoundCap);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawPath(gust);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(190, 225, 255));
        p.drawPolygon(head(QPointF(92, y), QPointF(1, 0), 12, 6));
    }
    sceneText(p, QRectF(0, 108, 60, 24), QStringLiteral("横风"), 16);
}

void dNight(QPainter &p)
{
    const qreal hz = 52;
    perspectiveRoad(p, hz, QColor(14, 18, 40), QColor(20, 28, 22), QColor(40, 42, 46));
    perspectiveDashes(p, hz, 0, QColor(120, 120, 110));
    // Our own low beams on the road.
    QPainterPath beams;
    beams.moveTo(roadPoint(hz, 0.05, 1));
    beams.lineTo(roadPoint(hz, 0.1, 0.45));
    beams.lineTo(roadPoint(hz, 0.95, 0.45));
    beams.lineTo(roadPoint(hz, 1.1, 1));
    beams.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 240, 170, 60));
    p.drawPath(beams);
    // The oncoming car with its high beams on, dazzling.
    const QPointF oncoming = roadPoint(hz, -0.5, 0.22);
    glow(p, oncoming, 70, QColor(255, 255, 230, 150));
    glow(p, oncoming + QPointF(-7, 0), 16, QColor(255, 255, 255, 255));
    glow(p, oncoming + QPointF(7, 0), 16, QColor(255, 255, 255, 255));
    // Bonnet of our car at the bottom edge.
    p.setBrush(QColor(30, 30, 36));
    QPainterPath bonnet;
    bonnet.moveTo(0, H);
    bonnet.quadTo(W / 2.0, 112, W, H);
    bonnet.closeSubpath();
    p.drawPath(bonnet);
}

void dSlope(QPainter &p)
{
    // A narrow road climbing to the right, seen from the side.
    p.fillRect(0, 0, W, H, kSky);
    const QPointF lo(0, 124), hi(W, 34);
    QPainterPath hill;
    hill.moveTo(lo);
    hill.lineTo(hi);
    hill.lineTo(W, H);
    hill.lineTo(0, H);
    hill.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 160, 100));
    p.drawPath(hill);
    p.setPen(QPen(kAsphalt, 6));
    p.drawLine(lo, hi);
    const qreal angle = qRadiansToDegrees(qAtan2(hi.y() - lo.y(), hi.x() - lo.x()));
    auto on = [&](qreal t) { return lo + (hi - lo) * t + QPointF(0, -3); };
    carSide(p, on(0.2), QColor(200, 40, 40), 0.75, false, angle);
    carSide(p, on(0.84), QColor(40, 90, 170), 0.75, true, angle);
    // Mark of the middle of the slope.
    const QPointF mid = on(0.5);
    dashedLine(p, mid + QPointF(0, -26), mid + QPointF(0, 10), kWhite, 2, 4, 3);
    sceneText(p, QRectF(mid.x() - 30, mid.y() - 48, 60, 20), QStringLiteral("坡路中途"), 13);
    sceneText(p, QRectF(on(0.2).x() - 12, on(0.2).y() - 44, 24, 20), QStringLiteral("A"), 16);
    sceneText(p, QRectF(on(0.84).x() - 12, on(0.84).y() - 44, 24, 20), QStringLiteral("B"), 16);
    sceneText(p, QRectF(4, 4, 80, 20), QStringLiteral("狭窄坡路"), 15, kWhite, Qt::AlignLeft | Qt::AlignVCenter);
}

void dEscape(QPainter &p)
{
    // A long downhill road from above, traffic going up the picture; the
    // escape lane leaves it to the right, gravel-filled, ending in sand barrels.
    verge(p);
    QPainterPath ramp;
    ramp.moveTo(100, 104);
    ramp.cubicTo(140, 84, 166, 50, 172, 0);
    ramp.lineTo(208, 0);
    ramp.cubicTo(200, 60, 150, 88, 100, 80);
    ramp.closeSubpath();
    p.setPen(QPen(kWhite, 2));
    p.setBrush(QColor(205, 178, 120));
    p.drawPath(ramp);
    p.save();
    p.setClipPath(ramp);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 120, 70));
    for (int i = 0; i < 220; ++i)
        p.drawEllipse(scatter(i, QRectF(96, 0, 116, 108)), 1.3, 1.3);
    p.restore();
    p.fillRect(QRectF(34, 0, 66, H), kAsphalt);
    dashedLine(p, QPointF(67, 0), QPointF(67, H), kWhite, 2, 8, 8);
    p.setPen(QPen(kWhite, 2));
    p.drawLine(QPointF(36, 0), QPointF(36, H));
    p.setPen(QPen(kBlack, 1));
    p.setBrush(kYellow);
    for (QPointF c : {QPointF(180, 8), QPointF(192, 8), QPointF(204, 8)})
        p.drawEllipse(c, 5, 5);
    truckTop(p, QPointF(84, 108), 0, QColor(220, 70, 40), 56);
    QPainterPath escape;
    escape.moveTo(84, 76);
    escape.cubicTo(90, 60, 140, 60, 158, 34);
    pathArrow(p, escape, QPointF(164, 24), QPointF(0.5, -0.87), kYellow);
    panel(p, QRectF(122, 98, 98, 34), kBlue);
    centredText(p, QRectF(122, 99, 98, 32), QStringLiteral("避险车道"), cjk(17), kWhite);
    sceneText(p, QRectF(2, 4, 34, 40), QStringLiteral("长\n下\n坡"), 12);
}

void dWater(QPainter &p)
{
    // A car sinking nose first; the way out is through a side window.
    QLinearGradient g(0, 0, 0, H);
    g.setColorAt(0, QColor(90, 150, 200));
    g.setColorAt(1, QColor(20, 60, 110));
    p.fillRect(0, 0, W, H, g);
    p.fillRect(QRectF(0, 0, W, 26), kSky);
    p.setPen(QPen(QColor(220, 235, 250), 2));
    p.setBrush(Qt::NoBrush);
    QPainterPath waves;
    waves.moveTo(0, 26);
    for (qreal x = 0; x < W; x += 16) {
        waves.quadTo(x + 4, 22, x + 8, 26);
        waves.quadTo(x + 12, 30, x + 16, 26);
    }
    p.drawPath(waves);
    carSide(p, QPointF(108, 92), QColor(210, 210, 214), 2.0, false, 18);
    // The front side window broken: cracks from the corner that was hit.
    p.save();
    p.translate(108, 92);
    p.rotate(18);
    p.scale(2, 2);
    const QPointF hit(3, -22);
    p.setPen(QPen(kWhite, 0.6));
    for (int k = 0; k < 7; ++k)
        p.drawLine(hit, hit + unit(20 + k * 22) * 8);
    p.restore();
    // Bubbles and the way out.
    p.setPen(QPen(QColor(220, 240, 255), 1));
    for (int i = 0; i < 14; ++i)
        p.drawEllipse(scatter(i, QRectF(120, 30, 40, 30)), 2, 2);
    QPainterPath out;
    out.moveTo(108, 44);
    out.quadTo(96, 36, 92, 26);
    pathArrow(p, out, QPointF(90, 16), QPointF(-0.2, -1), kYellow);
    sceneText(p, QRectF(4, 32, 70, 20), QStringLiteral("从侧窗逃生"), 13, kYellow, Qt::AlignLeft | Qt::AlignVCenter);
}

void dRailway(QPainter &p)
{
    // A level crossing ahead: barrier up, but the two red lamps are flashing.
    const qreal hz = 44;
    perspectiveRoad(p, hz, kSky, QColor(120, 160, 100));
    const qreal ry = hz + (H - hz) * 0.38;
    p.fillRect(QRectF(0, ry - 5, W, 16), QColor(150, 130, 110));
    p.setPen(QPen(QColor(90, 60, 40), 3));
    for (qreal x = -4; x < W; x += 9)
        p.drawLine(QPointF(x, ry - 4), QPointF(x - 2, ry + 10));
    p.setPen(QPen(QColor(200, 200, 210), 2));
    p.drawLine(QPointF(0, ry - 1), QPointF(W, ry - 1));
    p.drawLine(QPointF(0, ry + 6), QPointF(W, ry + 6));
    perspectiveDashes(p, hz, 0, kWhite);
    // Barrier raised on the left.
    p.fillRect(QRectF(28, ry - 16, 8, 26), QColor(60, 60, 60));
    for (int k = 0; k < 6; ++k)
        p.fillRect(QRectF(30, ry - 16 - (k + 1) * 12, 4, 12), k % 2 ? kWhite : kRed);
    // Signal post on the right: crossbuck and two lamps.
    const qreal px = 184;
    p.fillRect(QRectF(px - 2, 22, 4, ry + 12 - 22), QColor(60, 60, 60));
    p.save();
    p.translate(px, 14);
    for (int a : {35, -35}) {
        p.save();
        p.rotate(a);
        p.setPen(QPen(kRed, 1));
        p.setBrush(kWhite);
        p.drawRect(QRectF(-16, -3, 32, 6));
        p.restore();
    }
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(kBlack);
    p.drawRoundedRect(QRectF(px - 20, 30, 40, 16), 7, 7);
    p.setBrush(QColor(90, 20, 20));
    p.drawEllipse(QPointF(px + 10, 38), 5, 5);
    p.setBrush(QColor(255, 40, 30));
    p.drawEllipse(QPointF(px - 10, 38), 5, 5);
    glow(p, QPointF(px - 10, 38), 14, QColor(255, 60, 40, 170));
    carRearLit(p, QPointF(126, 112), 1.3, QColor(60, 120, 200));
}

// ---------------------------------------------------------------- traffic scenes from above

// Road running up the picture between x0 and x1, verges either side.
void straightRoad(QPainter &p, qreal x0, qreal x1)
{
    verge(p);
    p.fillRect(QRectF(x0, 0, x1 - x0, H), kAsphalt);
    p.setPen(QPen(kWhite, 2));
    p.drawLine(QPointF(x0 + 3, 0), QPointF(x0 + 3, H));
    p.drawLine(QPointF(x1 - 3, 0), QPointF(x1 - 3, H));
}

void dBlindSpot(QPainter &p)
{
    straightRoad(p, 30, 196);
    dashedLine(p, QPointF(86, 0), QPointF(86, H), kWhite, 2, 8, 8);
    dashedLine(p, QPointF(142, 0), QPointF(142, H), kWhite, 2, 8, 8);
    const QPointF truck(114, 62);
    // Areas the lorry driver cannot see: close in front, along the right side, behind.
    QPainterPath blind;
    blind.addRect(QRectF(94, 8, 40, 16));
    blind.moveTo(126, 34);
    blind.lineTo(196, 60);
    blind.lineTo(196, 120);
    blind.lineTo(126, 96);
    blind.closeSubpath();
    blind.addRect(QRectF(100, 96, 28, 41));
    blind.setFillRule(Qt::WindingFill);
    p.setPen(QPen(QColor(255, 90, 70), 1, Qt::DashLine));
    p.setBrush(QColor(235, 60, 40, 110));
    p.drawPath(blind.simplified());
    truckTop(p, truck, 0, QColor(30, 110, 190), 74);
    carTop(p, QPointF(166, 84), 0, kRed);
    cyclistTop(p, QPointF(132, 14), 0);
    sceneText(p, QRectF(150, 100, 72, 20), QStringLiteral("盲区"), 15);
    sceneText(p, QRectF(30, 4, 60, 20), QStringLiteral("盲区"), 13);
    p.setPen(QPen(kWhite, 1));
    p.drawLine(QPointF(78, 14), QPointF(94, 16));
}

void dDoor(QPainter &p)
{
    // Car stopped at the right kerb, its driver's door opening into the path
    // of a cyclist coming up from behind.
    straightRoad(p, 40, 186);
    p.fillRect(QRectF(186, 0, W - 186, H), QColor(200, 200, 196));
    p.setPen(QPen(kLineYellow, 2));
    p.drawLine(QPointF(70, 0), QPointF(70, H));
    const QPointF car(168, 52);
    carTop(p, car, 0, QColor(60, 120, 200));
    // Door swinging open on the left side, hinged at its front edge.
    p.save();
    p.translate(car + QPointF(-9, -8));
    p.setPen(QPen(kWhite, 1, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-17, -17, 34, 34), 200 * 16, 70 * 16);
    p.rotate(55);
    p.setPen(QPen(kBlack, 1));
    p.setBrush(QColor(60, 120, 200));
    p.drawRect(QRectF(-2, 0, 4, 17));
    p.restore();
    cyclistTop(p, QPointF(146, 112), 0);
    QPainterPath ride;
    ride.moveTo(146, 98);
    ride.lineTo(146, 80);
    pathArrow(p, ride, QPointF(146, 70), QPointF(0, -1), kWhite);
    // Warning mark.
    p.setPen(QPen(kBlack, 1));
    p.setBrush(kYellow);
    p.drawPolygon(QPolygonF({QPointF(116, 54), QPointF(128, 74), QPointF(104, 74)}));
    centredText(p, QRectF(104, 58, 24, 16), QStringLiteral("!"), cjk(13), kBlack);
}

void dMerge(QPainter &p)
{
    // Two lanes going up become one: the right lane ends in a taper.
    verge(p);
    QPainterPath road;
    road.moveTo(58, H);
    road.lineTo(58, 0);
    road.lineTo(116, 0);
    road.lineTo(116, 30);
    road.lineTo(170, 72);
    road.lineTo(170, H);
    road.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(kAsphalt);
    p.drawPath(road);
    p.setPen(QPen(kWhite, 2));
    p.drawLine(QPointF(61, 0), QPointF(61, H));
    p.drawPolyline(QPolygonF({QPointF(113, 0), QPointF(113, 30), QPointF(167, 72), QPointF(167, H)}));
    dashedLine(p, QPointF(114, 72), QPointF(114, H), kWhite, 2, 8, 8);
    // Merge arrow in the ending lane.
    QPainterPath bend;
    bend.moveTo(142, 128);
    bend.lineTo(142, 112);
    bend.quadTo(142, 100, 132, 92);
    arrow(p, bend, QPointF(124, 86), QPointF(-0.8, -0.6), 4, 10, 7, kWhite);
    carTop(p, QPointF(87, 20), 0, QColor(200, 200, 60));
    carTop(p, QPointF(87, 62), 0, QColor(60, 120, 200));
    carTop(p, QPointF(87, 104), 0, QColor(230, 230, 230));
    carTop(p, QPointF(140, 62), -20, kRed);
    carTop(p, QPointF(142, 104), 0, QColor(90, 170, 90));
}

void dCrosswalk(QPainter &p)
{
    // Two lanes going up; A has stopped for a pedestrian that B cannot see.
    straightRoad(p, 56, 170);
    dashedLine(p, QPointF(113, 60), QPointF(113, H), kWhite, 2, 8, 8);
    p.setPen(Qt::NoPen);
    p.setBrush(kWhite);
    for (int x = 60; x < 166; x += 12)
        p.drawRect(QRectF(x, 22, 7, 28));
    p.setPen(QPen(kWhite, 3));
    p.drawLine(QPointF(60, 58), QPointF(166, 58));
    personTop(p, QPointF(142, 36));
    QPainterPath walk;
    walk.moveTo(132, 36);
    walk.lineTo(116, 36);
    pathArrow(p, walk, QPointF(106, 36), QPointF(-1, 0), kYellow);
    carTop(p, QPointF(142, 78), 0, kRed, QStringLiteral("A"));
    carTop(p, QPointF(84, 118), 0, kBlue, QStringLiteral("B"));
    QPainterPath go;
    go.moveTo(84, 100);
    go.lineTo(84, 84);
    pathArrow(p, go, QPointF(84, 74), QPointF(0, -1), kWhite);
}

void dSchoolBus(QPainter &p)
{
    // Three lanes going up; the school bus has stopped at the kerb with its
    // stop sign out and hazard lamps flashing.
    straightRoad(p, 20, 194);
    p.fillRect(QRectF(194, 0, W - 194, H), QColor(200, 200, 196));
    dashedLine(p, QPointF(78, 0), QPointF(78, H), kWhite, 2, 8, 8);
    dashedLine(p, QPointF(136, 0), QPointF(136, H), kWhite, 2, 8, 8);
    const QPointF bus(165, 36);
    busTop(p, bus, 0, kSchoolBus, 62);
    hazardLamps(p, bus, 0, 62, 11);
    // Stop sign swung out on the left of the bus.
    p.setPen(QPen(kBlack, 1));
    p.drawLine(QPointF(154, 24), QPointF(144, 24));
    p.setBrush(kRed);
    p.drawEllipse(QPointF(140, 24), 6, 6);
    centredText(p, QRectF(134, 18, 12, 12), QStringLiteral("停"), cjk(8), kWhite);
    personTop(p, QPointF(204, 20));
    personTop(p, QPointF(212, 34));
    personTop(p, QPointF(204, 48));
    carTop(p, QPointF(165, 104), 0, kRed);
    carTop(p, QPointF(107, 100), 0, kBlue);
    carTop(p, QPointF(49, 92), 0, QColor(230, 230, 230));
    sceneText(p, QRectF(150, 58, 40, 20), QStringLiteral("校车"), 12);
}

void dJam(QPainter &p)
{
    // Green for A, but the far side of the junction is queued back into it.
    crossroads(p);
    const qreal cx = W / 2.0, cy = H / 2.0;
    trafficLightPost(p, QPointF(cx + 45, cy + 48));
    carTop(p, QPointF(cx + 15, 8), 0, QColor(200, 200, 60));
    carTop(p, QPointF(cx + 15, 42), 0, QColor(230, 230, 230));
    carTop(p, QPointF(cx + 15, cy + 52), 0, kRed, QStringLiteral("A"));
    QPainterPath a;
    a.moveTo(cx + 15, cy + 34);
    a.lineTo(cx + 15, cy + 10);
    pathArrow(p, a, QPointF(cx + 15, cy + 0), QPointF(0, -1), kWhite);
}

// Signal head with direction arrows: left, straight, right; `lit` gives each lamp's colour.
void arrowSignal(QPainter &p, QPointF at, const QColor (&lit)[3])
{
    p.setPen(Qt::NoPen);
    p.setBrush(kBlack);
    p.drawRoundedRect(QRectF(at.x() - 30, at.y() - 10, 60, 20), 4, 4);
    const QPointF dirs[3] = {QPointF(-1, 0), QPointF(0, -1), QPointF(1, 0)};
    for (int i = 0; i < 3; ++i) {
        const QPointF c = at + QPointF((i - 1) * 19, 0);
        p.setBrush(QColor(30, 30, 30));
        p.drawEllipse(c, 8, 8);
        QPainterPath s;
        s.moveTo(c - dirs[i] * 5);
        s.lineTo(c + dirs[i] * 1);
        arrow(p, s, c + dirs[i] * 6, dirs[i], 2.5, 5, 4, lit[i]);
    }
}

void dWaitZone(QPainter &p)
{
    // Approach from below with a left-turn lane; its waiting zone reaches into
    // the junction. Straight ahead is green, the left-turn arrow red.
    verge(p);
    p.fillRect(QRectF(0, 0, W, 62), kAsphalt);
    p.fillRect(QRectF(36, 0, 154, H), kAsphalt);
    p.setPen(QPen(kLineYellow, 2));
    p.drawLine(QPointF(96, 66), QPointF(96, H));
    p.drawLine(QPointF(100, 66), QPointF(100, H));
    p.setPen(QPen(kWhite, 2));
    p.drawLine(QPointF(129, 72), QPointF(129, H));
    p.drawLine(QPointF(159, 72), QPointF(159, H));
    p.drawLine(QPointF(100, 68), QPointF(190, 68));
    // The waiting zone: two dashed lines curving left, closed by a dashed stop line.
    QPainterPath l, r;
    l.moveTo(101, 66);
    l.quadTo(98, 44, 84, 30);
    r.moveTo(128, 66);
    r.quadTo(126, 36, 106, 22);
    QPen dash(kWhite, 2, Qt::CustomDashLine, Qt::FlatCap);
    dash.setDashPattern({3, 2});
    p.setPen(dash);
    p.setBrush(Qt::NoBrush);
    p.drawPath(l);
    p.drawPath(r);
    p.drawLine(QPointF(84, 30), QPointF(106, 22));
    sceneText(p, QRectF(96, 36, 26, 24), QStringLiteral("待转"), 9);
    laneArrowStraight(p, 144, 108);
    QPainterPath left;
    left.moveTo(114, 132);
    left.lineTo(114, 112);
    left.quadTo(114, 104, 108, 104);
    arrow(p, left, QPointF(102, 104), QPointF(-1, 0), 4, 8, 6, kWhite);
    carTop(p, QPointF(113, 86), 0, kRed, QString(), 24);
    carTop(p, QPointF(144, 84), 0, QColor(230, 230, 230), QString(), 24);
    const QColor lamps[3] = {QColor(255, 50, 40), QColor(40, 230, 90), QColor(40, 230, 90)};
    arrowSignal(p, QPointF(180, 14), lamps);
}

void dDistance(QPainter &p)
{
    // Expressway from above: white bars across the lanes 50 m apart, signs beside them.
    straightRoad(p, 8, 128);
    dashedLine(p, QPointF(68, 0), QPointF(68, H), kWhite, 2, 10, 10);
    const char *marks[] = {"100m", "50m", "0m"};
    for (int i = 0; i < 3; ++i) {
        const qreal y = 14 + i * 50;
        p.setPen(Qt::NoPen);
        p.setBrush(kWhite);
        for (qreal x : {14.0, 74.0})
            p.drawRect(QRectF(x, y, 48, 4));
        panel(p, QRectF(136, y - 8, 48, 20), kGreen);
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(13);
        f.setBold(true);
        centredText(p, QRectF(136, y - 8, 48, 20), QString::fromLatin1(marks[i]), f, kWhite);
    }
    panel(p, QRectF(192, 22, 28, 92), kGreen);
    centredText(p, QRectF(192, 22, 28, 92), QStringLiteral("车\n距\n确\n认"), cjk(15), kWhite);
    carTop(p, QPointF(98, 38), 0, QColor(230, 230, 230));
    carTop(p, QPointF(98, 122), 0, kRed);
}

void dEmergencyLane(QPainter &p)
{
    // Congested expressway; one car drives in the emergency lane on the right.
    straightRoad(p, 10, 200);
    dashedLine(p, QPointF(54, 0), QPointF(54, H), kWhite, 2, 10, 10);
    dashedLine(p, QPointF(98, 0), QPointF(98, H), kWhite, 2, 10, 10);
    p.setPen(QPen(kWhite, 2));
    p.drawLine(QPointF(144, 0), QPointF(144, H));
    const QColor cs[] = {QColor(230, 230, 230), QColor(60, 120, 200), QColor(200, 200, 60), QColor(90, 170, 90),
                         QColor(150, 150, 160)};
    int n = 0;
    for (qreal x : {32.0, 76.0, 121.0})
        for (qreal y = 14 + n % 2 * 10; y < H; y += 38)
            carTop(p, QPointF(x, y), 0, cs[n++ % 5]);
    carTop(p, QPointF(172, 86), 0, kRed);
    QPainterPath go;
    go.moveTo(172, 68);
    go.lineTo(172, 40);
    pathArrow(p, go, QPointF(172, 30), QPointF(0, -1), kWhite);
    sceneText(p, QRectF(148, 100, 50, 36), QStringLiteral("应急\n车道"), 12);
}

void dLaneSignal(QPainter &p)
{
    const qreal hz = 86;
    const QRectF open = tunnelPortal(p, hz);
    p.setPen(QPen(kWhite, 2));
    p.drawLine(QPointF(W / 2.0, hz + 8), QPointF(W / 2.0, H));
    // Lane signals over the two lanes: green arrow pointing down, red cross.
    const qreal y = 26;
    for (int lane = 0; lane < 2; ++lane) {
        const QPointF c(open.center().x() + (lane ? 26 : -26), y);
        p.setPen(Qt::NoPen);
        p.setBrush(kBlack);
        p.drawRoundedRect(QRectF(c.x() - 13, c.y() - 13, 26, 26), 3, 3);
        if (lane == 0) {
            QPainterPath s;
            s.moveTo(c + QPointF(0, -8));
            s.lineTo(c + QPointF(0, 2));
            arrow(p, s, c + QPointF(0, 9), QPointF(0, 1), 4, 8, 6, QColor(40, 230, 90));
        } else {
            p.setPen(QPen(QColor(255, 50, 40), 4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(c + QPointF(-7, -7), c + QPointF(7, 7));
            p.drawLine(c + QPointF(7, -7), c + QPointF(-7, 7));
        }
    }
    carRearLit(p, QPointF(150, 118), 1.1, kRed);
}

void dRoundabout(QPainter &p)
{
    verge(p);
    const QPointF c(W / 2.0, 56);
    p.fillRect(QRectF(c.x() - 22, 0, 44, H), kAsphalt);
    p.fillRect(QRectF(0, c.y() - 20, W, 40), kAsphalt);
    p.setPen(Qt::NoPen);
    p.setBrush(kAsphalt);
    p.drawEllipse(c, 54, 54);
    p.setBrush(QColor(120, 170, 100));
    p.setPen(QPen(kWhite, 2));
    p.drawEllipse(c, 26, 26);
    // Give-way line at the entry from below.
    dashedLine(p, QPointF(c.x(), 111), QPointF(c.x() + 22, 111), kWhite, 2, 3, 3);
    p.setPen(QPen(kLineYellow, 2));
    p.drawLine(QPointF(c.x(), 113), QPointF(c.x(), H));
    carTop(p, QPointF(c.x() + 11, 124), 0, kRed, QStringLiteral("A"), 22);
    // B circulates anticlockwise on screen (angles grow), coming round towards A's entry.
    const qreal a = qDegreesToRadians(212.0);
    const QPointF b = c + QPointF(40 * qCos(a), -40 * qSin(a));
    const QPointF along(-qSin(a), -qCos(a));
    carTop(p, b, qRadiansToDegrees(qAtan2(along.x(), -along.y())), kBlue, QStringLiteral("B"), 24);
    QPainterPath path;
    path.arcMoveTo(QRectF(c.x() - 40, c.y() - 40, 80, 80), 236);
    path.arcTo(QRectF(c.x() - 40, c.y() - 40, 80, 80), 236, 32);
    const qreal e = qDegreesToRadians(268.0);
    pathArrow(p, path, c + QPointF(40 * qCos(e), -40 * qSin(e)) + QPointF(8, 0), QPointF(1, 0), kWhite);
}

void dOnRamp(QPainter &p)
{
    // Expressway going up with an acceleration lane joining from the right.
    verge(p);
    QPainterPath road;
    road.moveTo(30, 0);
    road.lineTo(126, 0);
    road.lineTo(126, 20);
    road.lineTo(156, 60);
    road.lineTo(156, 100);
    road.quadTo(170, 120, 200, H);
    road.lineTo(160, H);
    road.lineTo(30, H);
    road.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(kAsphalt);
    p.drawPath(road);
    p.setPen(QPen(kWhite, 2));
    p.drawLine(QPointF(33, 0), QPointF(33, H));
    p.drawPolyline(QPolygonF({QPointF(123, 0), QPointF(123, 20), QPointF(153, 60), QPointF(153, 100)}));
    dashedLine(p, QPointF(78, 0), QPointF(78, H), kWhite, 2, 10, 10);
    dashedLine(p, QPointF(124, 30), QPointF(124, 112), kWhite, 2, 4, 4);
    carTop(p, QPointF(100, 40), 0, QColor(230, 230, 230));
    carTop(p, QPointF(56, 96), 0, QColor(200, 200, 60));
    const QPointF a(140, 84);
    carTop(p, a, 0, kRed, QStringLiteral("A"));
    p.setPen(Qt::NoPen);
    p.setBrush(kHazardLamp);
    p.drawEllipse(a + QPointF(-8, -14), 3, 3);
    p.drawEllipse(a + QPointF(-8, 14), 3, 3);
    sceneText(p, QRectF(158, 64, 66, 36), QStringLiteral("加速\n车道"), 12);
}

void dRoadWork(QPainter &p)
{
    // Two lanes going up; the right lane is closed by a taper of cones.
    straightRoad(p, 50, 170);
    dashedLine(p, QPointF(110, 0), QPointF(110, H), kWhite, 2, 8, 8);
    for (int k = 0; k <= 6; ++k)
        coneTop(p, QPointF(164 - k * 8.5, 112 - k * 7));
    for (qreal y = 62; y > 0; y -= 12)
        coneTop(p, QPointF(113, y));
    // The work area: barrier, workers and a machine.
    p.setPen(QPen(kBlack, 1));
    p.setBrush(QColor(250, 200, 40));
    p.drawRect(QRectF(128, 16, 30, 24));
    personTop(p, QPointF(134, 52), kOrange);
    personTop(p, QPointF(150, 58), kOrange);
    for (int k = 0; k < 5; ++k)
        p.fillRect(QRectF(118 + k * 9, 70, 9, 5), k % 2 ? kWhite : kRed);
    carTop(p, QPointF(140, 124), 0, kBlue);
    carTop(p, QPointF(80, 90), 0, QColor(230, 230, 230));
    // Roadwork sign on the right verge.
    panel(p, QRectF(176, 86, 44, 44), kBlue);
    centredText(p, QRectF(176, 88, 44, 40), QStringLiteral("前方\n施工"), cjk(13), kWhite);
}

void dBusStop(QPainter &p)
{
    // Bus at the stop on the right; a passenger walks out in front of it, hidden from A.
    straightRoad(p, 44, 176);
    p.fillRect(QRectF(176, 0, W - 176, H), QColor(200, 200, 196));
    dashedLine(p, QPointF(110, 0), QPointF(110, H), kWhite, 2, 8, 8);
    p.setPen(QPen(kBlack, 1));
    p.setBrush(QColor(60, 140, 200));
    p.drawRect(QRectF(186, 30, 16, 50));
    busTop(p, QPointF(144, 58), 0, QColor(40, 160, 90), 66);
    personTop(p, QPointF(136, 16));
    QPainterPath walk;
    walk.moveTo(126, 16);
    walk.lineTo(112, 16);
    pathArrow(p, walk, QPointF(102, 16), QPointF(-1, 0), kYellow);
    carTop(p, QPointF(78, 112), 0, kRed, QStringLiteral("A"));
    QPainterPath go;
    go.moveTo(78, 94);
    go.lineTo(78, 76);
    pathArrow(p, go, QPointF(78, 66), QPointF(0, -1), kWhite);
    sceneText(p, QRectF(182, 84, 42, 20), QStringLiteral("车站"), 12);
}

void dTriangle(QPainter &p)
{
    // Accident on an ordinary road: the cars stand in the right lane with
    // hazard lamps on, the triangle far behind them, the people off the road.
    verge(p);
    p.fillRect(QRectF(60, 0, 110, H), kAsphalt);
    p.setPen(QPen(kLineYellow, 2));
    p.drawLine(QPointF(115, 0), QPointF(115, H));
    p.setPen(QPen(kWhite, 2));
    p.drawLine(QPointF(63, 0), QPointF(63, H));
    p.drawLine(QPointF(167, 0), QPointF(167, H));
    carTop(p, QPointF(144, 18), 8, QColor(230, 230, 230));
    hazardLamps(p, QPointF(144, 18), 8);
    carTop(p, QPointF(140, 46), -12, kRed);
    hazardLamps(p, QPointF(140, 46), -12);
    // Warning triangle far behind, and the distance.
    triangleTop(p, QPointF(142, 114));
    distanceMarker(p, 124, 62, 124);
    sceneText(p, QRectF(62, 80, 58, 22), QStringLiteral("50～100米"), 11, kWhite, Qt::AlignRight | Qt::AlignVCenter);
    personTop(p, QPointF(190, 20));
    personTop(p, QPointF(204, 30));
    carTop(p, QPointF(88, 40), 180, QColor(60, 120, 200));
}

void dFire(QPainter &p)
{
    // A car stopped at the roadside with its engine on fire; the wind blows
    // from the left, so the helper stands on the left and sprays.
    p.fillRect(0, 0, W, H, kSky);
    p.fillRect(QRectF(0, 112, W, H - 112), kAsphalt);
    p.fillRect(QRectF(0, 108, W, 4), QColor(200, 200, 196));
    const QPointF car(140, 112);
    carSide(p, car, QColor(200, 200, 205), 1.2, true);
    // Smoke drifting to the right.
    for (int k = 0; k < 7; ++k)
        glow(p, QPointF(120 + k * 14, 66 - k * 7), 14 + k * 2, QColor(90, 90, 96, 170));
    // Flames out of the engine bay at the car's front (left end).
    QPainterPath flame;
    flame.moveTo(102, 98);
    flame.cubicTo(96, 84, 104, 78, 100, 64);
    flame.cubicTo(110, 74, 110, 80, 114, 70);
    flame.cubicTo(118, 82, 124, 84, 122, 98);
    flame.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 90, 20));
    p.drawPath(flame);
    p.setBrush(QColor(255, 200, 40));
    p.drawEllipse(QPointF(111, 90), 6, 8);
    // Helper with an extinguisher, spraying at the base of the flames.
    const QPointF hip(52, 86);
    limb(p, hip, hip + QPointF(-4, 24), 6, QColor(40, 60, 110));
    limb(p, hip, hip + QPointF(6, 24), 6, QColor(40, 60, 110));
    limb(p, hip, hip + QPointF(0, -26), 10, kOrange);
    p.setPen(Qt::NoPen);
    p.setBrush(kSkin);
    p.drawEllipse(hip + QPointF(2, -34), 7, 7);
    limb(p, hip + QPointF(0, -22), hip + QPointF(16, -14), 5, kOrange);
    p.setPen(QPen(kBlack, 1));
    p.setBrush(kRed);
    p.drawRoundedRect(QRectF(hip.x() + 14, hip.y() - 16, 9, 22), 3, 3);
    QPainterPath spray;
    spray.moveTo(hip.x() + 24, hip.y() - 8);
    spray.lineTo(102, 86);
    spray.lineTo(104, 104);
    spray.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 190));
    p.drawPath(spray);
    // Wind arrow.
    QPainterPath wind;
    wind.moveTo(8, 16);
    wind.lineTo(44, 16);
    arrow(p, wind, QPointF(58, 16), QPointF(1, 0), 4, 10, 7, QColor(60, 110, 200));
    centredText(p, QRectF(8, 22, 50, 18), QStringLiteral("风向"), cjk(13), QColor(60, 110, 200));
}

// ---------------------------------------------------------------- first aid and in-car safety

void eSeatBelt(QPainter &p)
{
    // A passenger seen from the front, belted: shoulder belt across the middle
    // of the shoulder and the chest, lap belt low across the hips.
    backdrop(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 110, 120));
    p.drawRoundedRect(QRectF(76, 4, 36, 22), 6, 6);
    p.drawRoundedRect(QRectF(60, 30, 68, 104), 10, 10);
    const QColor shirt(70, 130, 190);
    p.setBrush(shirt);
    p.drawRoundedRect(QRectF(68, 40, 52, 60), 14, 14);
    p.setBrush(QColor(50, 60, 90));
    p.drawRoundedRect(QRectF(66, 94, 56, 26), 8, 8);
    p.drawRect(QRectF(68, 112, 20, 25));
    p.drawRect(QRectF(100, 112, 20, 25));
    p.setBrush(kSkin);
    p.drawEllipse(QPointF(94, 24), 12, 14);
    limb(p, QPointF(70, 50), QPointF(62, 92), 9, shirt);
    limb(p, QPointF(118, 50), QPointF(126, 92), 9, shirt);
    // The belt.
    const QColor webbing(40, 40, 44);
    limb(p, QPointF(122, 38), QPointF(110, 44), 7, webbing);
    limb(p, QPointF(110, 44), QPointF(74, 100), 7, webbing);
    limb(p, QPointF(70, 102), QPointF(120, 102), 7, webbing);
    p.setPen(QPen(kBlack, 1));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(64, 96, 12, 12));
    p.setPen(QPen(kBlack, 1));
    p.drawLine(QPointF(138, 50), QPointF(104, 56));
    p.drawLine(QPointF(138, 108), QPointF(114, 104));
    centredText(p, QRectF(140, 38, 80, 24), QStringLiteral("肩带"), cjk(16), kBlack);
    centredText(p, QRectF(140, 96, 80, 24), QStringLiteral("腰带"), cjk(16), kBlack);
}

void eChildSeat(QPainter &p)
{
    // Inside of a car seen from the side, front to the left: a child sits in a
    // child seat on the rear bench.
    backdrop(p);
    p.setPen(QPen(QColor(120, 120, 130), 3));
    p.setBrush(QColor(250, 250, 252));
    QPainterPath shell;
    shell.moveTo(6, 120);
    shell.lineTo(8, 86);
    shell.lineTo(40, 80);
    shell.lineTo(74, 30);
    shell.lineTo(168, 28);
    shell.lineTo(210, 76);
    shell.lineTo(218, 120);
    shell.closeSubpath();
    p.drawPath(shell);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlack);
    p.drawEllipse(QPointF(44, 122), 13, 13);
    p.drawEllipse(QPointF(180, 122), 13, 13);
    const QColor seat(110, 110, 120);
    // Front seats.
    p.setBrush(seat);
    p.drawRoundedRect(QRectF(56, 90, 36, 12), 4, 4);
    p.save();
    p.translate(90, 96);
    p.rotate(-12);
    p.drawRoundedRect(QRectF(-6, -52, 12, 54), 5, 5);
    p.restore();
    // Rear bench.
    p.drawRoundedRect(QRectF(126, 92, 52, 12), 4, 4);
    p.save();
    p.translate(178, 98);
    p.rotate(-14);
    p.drawRoundedRect(QRectF(-6, -56, 12, 58), 5, 5);
    p.restore();
    // Child seat, facing forward (to the left), with the child in its harness.
    p.setBrush(kOrange);
    QPainterPath cs;
    cs.moveTo(134, 92);
    cs.lineTo(128, 80);
    cs.lineTo(160, 80);
    cs.lineTo(164, 40);
    cs.lineTo(176, 40);
    cs.lineTo(172, 92);
    cs.closeSubpath();
    p.drawPath(cs);
    p.setBrush(kSkin);
    p.drawEllipse(QPointF(158, 52), 8, 9);
    limb(p, QPointF(158, 64), QPointF(156, 78), 10, QColor(80, 170, 90));
    limb(p, QPointF(154, 78), QPointF(136, 78), 6, QColor(50, 60, 120));
    limb(p, QPointF(136, 78), QPointF(134, 92), 5, QColor(50, 60, 120));
    limb(p, QPointF(162, 64), QPointF(154, 80), 2, kBlack);
    centredText(p, QRectF(96, 6, 126, 20), QStringLiteral("后排 儿童安全座椅"), cjk(13), kBlack);
    centredText(p, QRectF(30, 48, 44, 20), QStringLiteral("前"), cjk(13), QColor(120, 120, 130));
}

// A casualty lying on the back, head to the left, on the ground line y.
void lyingPerson(QPainter &p, qreal y)
{
    const QColor shirt(120, 150, 190), trousers(60, 70, 100);
    limb(p, QPointF(60, y - 9), QPointF(122, y - 9), 18, shirt);
    limb(p, QPointF(122, y - 8), QPointF(196, y - 5), 13, trousers);
    p.setPen(Qt::NoPen);
    p.setBrush(kSkin);
    p.drawEllipse(QPointF(44, y - 11), 11, 10);
}

void eCpr(QPainter &p)
{
    backdrop(p);
    const qreal y = 120;
    p.fillRect(QRectF(0, y, W, H - y), QColor(150, 150, 150));
    lyingPerson(p, y);
    // Rescuer kneeling beside the chest, arms straight, shoulders above the hands.
    const QColor shirt(210, 50, 40), trousers(50, 50, 60);
    const QPointF hands(86, y - 20), shoulder(87, y - 68), hip(108, y - 40), knee(114, y - 5);
    limb(p, hip, knee, 12, trousers);
    limb(p, knee, QPointF(142, y - 4), 9, trousers);
    limb(p, hip, shoulder, 16, shirt);
    limb(p, shoulder, hands, 7, shirt);
    p.setPen(Qt::NoPen);
    p.setBrush(kSkin);
    p.drawEllipse(shoulder + QPointF(4, -15), 10, 10);
    p.drawEllipse(hands, 5, 4);
    // Push down.
    QPainterPath push;
    push.moveTo(70, 36);
    push.lineTo(70, 74);
    arrow(p, push, QPointF(70, 86), QPointF(0, 1), 4, 10, 7, kRed);
    centredText(p, QRectF(126, 10, 96, 22), QStringLiteral("100～120次/分"), cjk(13), kBlack);
    centredText(p, QRectF(126, 34, 96, 22), QStringLiteral("深5～6厘米"), cjk(13), kBlack);
    centredText(p, QRectF(6, 8, 56, 22), QStringLiteral("胸外按压"), cjk(13), kRed);
}

// An arm held out to the right from the shoulder at `at`: upper arm, forearm, hand.
void arm(QPainter &p, QPointF at)
{
    const QColor skin = kSkin;
    limb(p, at, at + QPointF(86, 2), 22, skin);
    limb(p, at + QPointF(86, 2), at + QPointF(160, 6), 18, skin);
    p.setPen(Qt::NoPen);
    p.setBrush(skin);
    p.drawEllipse(at + QPointF(174, 6), 12, 9);
}

void eTourniquet(QPainter &p)
{
    backdrop(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 150, 190));
    p.drawRoundedRect(QRectF(-20, 40, 44, 90), 14, 14);
    arm(p, QPointF(20, 66));
    // Wound on the upper arm, bleeding.
    p.setBrush(QColor(190, 20, 20));
    p.drawEllipse(QPointF(84, 68), 9, 6);
    for (int k = 0; k < 3; ++k)
        p.drawEllipse(QPointF(80 + k * 6, 84 + k * 5), 2.5, 3.5);
    // The tourniquet between the wound and the shoulder, with the time noted.
    p.setBrush(QColor(60, 60, 70));
    p.drawRoundedRect(QRectF(52, 53, 10, 27), 3, 3);
    p.setPen(QPen(QColor(60, 60, 70), 2));
    p.drawLine(QPointF(57, 80), QPointF(57, 96));
    p.setBrush(kWhite);
    p.drawRect(QRectF(40, 96, 40, 16));
    centredText(p, QRectF(40, 96, 40, 16), QStringLiteral("14:20"), cjk(10), kBlack);
    centredText(p, QRectF(30, 6, 60, 22), QStringLiteral("止血带"), cjk(14), kBlack);
    p.setPen(QPen(kBlack, 1));
    p.drawLine(QPointF(58, 28), QPointF(57, 52));
    centredText(p, QRectF(96, 84, 50, 22), QStringLiteral("伤口"), cjk(14), QColor(190, 20, 20));
    // Towards the heart.
    QPainterPath toHeart;
    toHeart.moveTo(150, 30);
    toHeart.lineTo(112, 30);
    arrow(p, toHeart, QPointF(100, 30), QPointF(-1, 0), 3, 9, 6, QColor(60, 110, 200));
    centredText(p, QRectF(150, 20, 72, 22), QStringLiteral("心脏方向"), cjk(13), QColor(60, 110, 200));
}

void eSplint(QPainter &p)
{
    // A lower leg splinted from above the knee to past the ankle.
    backdrop(p);
    const QColor skin = kSkin, trousers(60, 70, 100);
    limb(p, QPointF(-10, 60), QPointF(60, 64), 26, trousers);
    limb(p, QPointF(60, 64), QPointF(168, 70), 20, skin);
    p.setPen(Qt::NoPen);
    p.setBrush(skin);
    QPainterPath foot;
    foot.moveTo(160, 60);
    foot.lineTo(182, 58);
    foot.quadTo(196, 58, 200, 40);
    foot.lineTo(208, 42);
    foot.quadTo(206, 70, 186, 82);
    foot.lineTo(160, 82);
    foot.closeSubpath();
    p.drawPath(foot);
    // Fracture mark in the middle of the shin.
    p.setPen(QPen(QColor(200, 30, 30), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(108, 56), QPointF(114, 64), QPointF(108, 70), QPointF(114, 78)}));
    // Splint board below the leg and ties around it.
    p.setPen(QPen(QColor(120, 80, 40), 1));
    p.setBrush(QColor(210, 170, 110));
    p.drawRect(QRectF(28, 80, 174, 9));
    p.setPen(Qt::NoPen);
    p.setBrush(kWhite);
    for (qreal x : {36.0, 76.0, 142.0, 176.0})
        p.drawRect(QRectF(x, 52, 8, 38));
    centredText(p, QRectF(60, 94, 100, 22), QStringLiteral("夹板"), cjk(15), QColor(120, 80, 40));
    centredText(p, QRectF(86, 24, 60, 22), QStringLiteral("骨折处"), cjk(14), QColor(200, 30, 30));
    centredText(p, QRectF(40, 112, 40, 20), QStringLiteral("膝"), cjk(13), QColor(90, 90, 90));
    centredText(p, QRectF(156, 112, 40, 20), QStringLiteral("踝"), cjk(13), QColor(90, 90, 90));
}

void eExtinguisher(QPainter &p)
{
    // A dry-powder extinguisher with the first three steps of its use marked.
    backdrop(p);
    p.setPen(QPen(QColor(120, 10, 10), 1));
    p.setBrush(kRed);
    p.drawRoundedRect(QRectF(30, 40, 40, 92), 12, 12);
    p.setBrush(kWhite);
    p.drawRect(QRectF(36, 70, 28, 30));
    centredText(p, QRectF(36, 70, 28, 30), QStringLiteral("干粉"), cjk(11), kRed);
    // Valve head, carrying handle and pressing lever.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(50, 50, 54));
    p.drawRect(QRectF(42, 26, 16, 16));
    p.drawPolygon(QPolygonF({QPointF(44, 28), QPointF(84, 22), QPointF(84, 27), QPointF(44, 33)}));
    p.drawPolygon(QPolygonF({QPointF(50, 20), QPointF(88, 10), QPointF(88, 15), QPointF(50, 25)}));
    // Safety pin with its ring.
    p.setPen(QPen(kYellow, 2));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(40, 30), QPointF(60, 30));
    p.drawEllipse(QPointF(34, 30), 5, 5);
    // Hose and nozzle.
    p.setPen(QPen(QColor(30, 30, 30), 4, Qt::SolidLine, Qt::RoundCap));
    QPainterPath hose;
    hose.moveTo(58, 36);
    hose.cubicTo(90, 40, 92, 90, 88, 112);
    p.drawPath(hose);
    p.setPen(QPen(QColor(30, 30, 30), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(88, 112), QPointF(90, 124));
    // Step numbers.
    auto badge = [&](QPointF at, const QString &n) {
        p.setPen(Qt::NoPen);
        p.setBrush(kBlue);
        p.drawEllipse(at, 8, 8);
        centredText(p, QRectF(at.x() - 8, at.y() - 8, 16, 16), n, cjk(11), kWhite);
    };
    badge(QPointF(20, 30), QStringLiteral("1"));
    badge(QPointF(104, 104), QStringLiteral("2"));
    badge(QPointF(100, 14), QStringLiteral("3"));
    const char *steps[] = {"1 拔出保险销", "2 握住喷管", "3 压下压把"};
    for (int i = 0; i < 3; ++i) {
        p.setFont(cjk(15));
        p.setPen(kBlack);
        p.drawText(QRectF(122, 28 + i * 30, 100, 24), Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(steps[i]));
    }
}

struct Picture {
    const char *file;
    void (*draw)(QPainter &);
};

const std::vector<Picture> &pictures()
{
    static const std::vector<Picture> list = {
        {"w_cross.jpg", wCross},         {"w_tee.jpg", wTee},
        {"w_leftbend.jpg", wLeftBend},   {"w_signal.jpg", wSignal},
        {"w_danger.jpg", wDanger},       {"w_bike.jpg", wBike},
        {"w_narrow.jpg", wNarrow},       {"w_tunnel.jpg", wTunnel},
        {"w_twoway.jpg", wTwoWay},       {"w_steep.jpg", wSteepDown},
        {"p_closed.jpg", pClosed},       {"p_noentry.jpg", pNoEntry},
        {"p_stop.jpg", pStop},           {"p_yield.jpg", pYield},
        {"p_nohorn.jpg", pNoHorn},       {"p_noleft.jpg", pNoLeft},
        {"p_nouturn.jpg", pNoUTurn},     {"p_noovertake.jpg", pNoOvertake},
        {"p_speed40.jpg", pSpeed40},     {"p_endspeed40.jpg", pEndSpeed40},
        {"p_height.jpg", pHeight},       {"p_weight.jpg", pWeight},
        {"p_noparking.jpg", pNoParking}, {"p_nolongpark.jpg", pNoLongPark},
        {"m_straight.jpg", mStraight},   {"m_keepright.jpg", mKeepRight},
        {"m_roundabout.jpg", mRoundabout}, {"m_horn.jpg", mHorn},
        {"m_minspeed.jpg", mMinSpeed},   {"m_priority.jpg", mPriority},
        {"m_buslane.jpg", mBusLane},     {"g_parking.jpg", gParking},
        {"g_exit.jpg", gExit},           {"g_distance.jpg", gDistance},
        {"k_doubleyellow.jpg", kDoubleYellow}, {"k_mixed.jpg", kMixed},
        {"k_grid.jpg", kGrid},           {"k_stopyield.jpg", kStopYield},
        {"k_slowyield.jpg", kSlowYield}, {"k_zebra.jpg", kZebra},
        {"k_arrows.jpg", kArrows},       {"s_uncontrolled.jpg", sUncontrolled},
        {"s_leftstraight.jpg", sLeftStraight}, {"s_rightleft.jpg", sRightLeft},
        {"s_mountain.jpg", sMountain},   {"s_breakdown.jpg", sBreakdown},
        {"t_rightturn.jpg", tRightTurn}, {"i_fuel.jpg", iFuel},
        {"i_battery.jpg", iBattery},     {"i_brake.jpg", iBrake},
        {"i_abs.jpg", iAbs},             {"i_highbeam.jpg", iHighBeam},
        {"i_hazard.jpg", iHazard},
        {"d_fog.jpg", dFog},             {"d_rain.jpg", dRain},
        {"d_snow.jpg", dSnow},           {"d_flood.jpg", dFlood},
        {"d_tunnel.jpg", dTunnel},       {"d_wind.jpg", dWind},
        {"d_night.jpg", dNight},         {"d_slope.jpg", dSlope},
        {"d_escape.jpg", dEscape},       {"d_water.jpg", dWater},
        {"d_railway.jpg", dRailway},     {"d_blindspot.jpg", dBlindSpot},
        {"d_door.jpg", dDoor},           {"d_merge.jpg", dMerge},
        {"d_crosswalk.jpg", dCrosswalk}, {"d_schoolbus.jpg", dSchoolBus},
        {"d_jam.jpg", dJam},             {"d_waitzone.jpg", dWaitZone},
        {"d_distance.jpg", dDistance},   {"d_emergency.jpg", dEmergencyLane},
        {"d_lanesignal.jpg", dLaneSignal}, {"d_roundabout.jpg", dRoundabout},
        {"d_onramp.jpg", dOnRamp},       {"d_roadwork.jpg", dRoadWork},
        {"d_busstop.jpg", dBusStop},     {"d_triangle.jpg", dTriangle},
        {"d_fire.jpg", dFire},           {"e_seatbelt.jpg", eSeatBelt},
        {"e_childseat.jpg", eChildSeat}, {"e_cpr.jpg", eCpr},
        {"e_tourniquet.jpg", eTourniquet}, {"e_splint.jpg", eSplint},
        {"e_extinguisher.jpg", eExtinguisher},
    };
    return list;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.exists() && !QDir().mkpath(out.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    int written = 0;
    for (const Picture &pic : pictures()) {
        for (const int scale : artgen::kScales) {
            QImage img = artgen::canvas(W, H, scale, QImage::Format_RGB32);
            img.fill(kBackdrop);
            {
                QPainter p(&img);
                p.setRenderHint(QPainter::Antialiasing);
                p.setRenderHint(QPainter::TextAntialiasing);
                pic.draw(p);
            }
            const QString path = out.filePath(artgen::scaledName(QString::fromLatin1(pic.file), scale));
            if (!img.save(path, "JPG", 90)) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
                return 1;
            }
            ++written;
        }
    }
    std::printf("%d pictures written to %s\n", written, qPrintable(out.path()));
    return 0;
}
