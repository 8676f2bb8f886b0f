// Draws the question pictures of the bundled question bank (folder upload/).
// Every picture is a 225 x 137 JPEG (quality 90): traffic signs, road markings,
// junction situations and instrument-panel lamps referred to by subject.subpic.
// Each is also written at 2x (name@2x.jpg, 450 x 274), drawn by the same code.
//
// Usage: QT_QPA_PLATFORM=offscreen artgen-questions <output folder>

#include <QDir>
#include <QFont>
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
    p.setBrush(kRed);
    p.drawPolygon(QPolygonF({QPointF(165, 108), QPointF(174, 124), QPointF(156, 124)}));
    p.setBrush(kAsphalt);
    p.drawPolygon(QPolygonF({QPointF(165, 114), QPointF(169, 121), QPointF(161, 121)}));
    // Distance marker.
    p.setPen(QPen(kYellow, 2));
    p.drawLine(QPointF(140, 32), QPointF(140, 116));
    p.setBrush(kYellow);
    p.setPen(Qt::NoPen);
    p.drawPolygon(head(QPointF(140, 30), QPointF(0, -1), 7, 4));
    p.drawPolygon(head(QPointF(140, 118), QPointF(0, 1), 7, 4));
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
