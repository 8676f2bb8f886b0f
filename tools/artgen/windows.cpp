// artgen-windows: draws the window pictures of the exam program — the main
// menu title banner, the eight main-menu entries, the school picture, the
// notice/study-set banner, the browse/review header, the candidate portrait
// placeholder and the "no picture" placeholder.
//
// Everything is drawn with QPainter; the output is deterministic (no random
// numbers, fixed fonts "Noto Sans CJK SC" and "Noto Serif CJK SC").
//
// Run:  QT_QPA_PLATFORM=offscreen artgen-windows <outdir>
// It writes banner_main.png, school.jpg, menu_*.png, banner_notice.bmp,
// banner_header.png, portrait.jpg and nopic.png into <outdir>, each also at
// 2x (banner_main@2x.png and so on), drawn by the same code.

#include <QColor>
#include <QDir>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QString>
#include <QStringList>
#include <QtMath>

#include "scales.h"

#include <cstdio>
#include <functional>

namespace {

const char *const kSans = "Noto Sans CJK SC";
const char *const kSerif = "Noto Serif CJK SC";

QString g_outDir;
bool g_ok = true;
int g_scale = 1; // the scale the pictures are drawn at in this round

QFont makeFont(const char *family, int pixelSize, bool bold = false)
{
    QFont f(QString::fromLatin1(family));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

// Shrinks the font until `text` fits into `maxWidth` pixels.
QFont fitFont(QFont f, const QString &text, int maxWidth)
{
    while (f.pixelSize() > 6 && QFontMetrics(f).horizontalAdvance(text) > maxWidth)
        f.setPixelSize(f.pixelSize() - 1);
    return f;
}

// A picture of w × h pixels, drawn at the round's scale.
QImage newImage(int w, int h, bool alpha = false)
{
    QImage img = artgen::canvas(w, h, g_scale, alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    img.fill(alpha ? Qt::transparent : Qt::white);
    return img;
}

void beginPainter(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

void save(const QImage &img, const QString &name, const char *format, int quality = -1)
{
    QImage out = img;
    if (qstrcmp(format, "BMP") == 0 || qstrcmp(format, "JPG") == 0)
        out = img.convertToFormat(QImage::Format_RGB888);
    const QString path = QDir(g_outDir).filePath(artgen::scaledName(name, g_scale));
    if (!out.save(path, format, quality)) {
        std::fprintf(stderr, "artgen-windows: cannot write %s\n", qPrintable(path));
        g_ok = false;
    } else {
        std::printf("%s %dx%d\n", qPrintable(path), out.width(), out.height());
    }
}

// Text with a soft dark shadow underneath, drawn with its baseline at `base`.
void shadowText(QPainter &p, const QPointF &base, const QString &text, const QFont &font,
                const QColor &color, const QColor &shadow = QColor(0, 30, 80, 150),
                qreal offset = 2.0)
{
    p.setFont(font);
    p.setPen(shadow);
    p.drawText(base + QPointF(offset, offset), text);
    p.setPen(color);
    p.drawText(base, text);
}

// ---------------------------------------------------------------------------
// Motifs

void drawSteeringWheel(QPainter &p, const QPointF &c, qreal r, const QColor &color)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(color, r * 0.17));
    p.drawEllipse(c, r * 0.9, r * 0.9);
    p.setPen(QPen(color, r * 0.15, Qt::SolidLine, Qt::RoundCap));
    // three spokes: left, right and down
    p.drawLine(c, c + QPointF(-r * 0.85, r * 0.05));
    p.drawLine(c, c + QPointF(r * 0.85, r * 0.05));
    p.drawLine(c, c + QPointF(0, r * 0.85));
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawEllipse(c, r * 0.3, r * 0.3);
    p.restore();
}

// A speed-limit sign: white disc with a red ring and a black number.
void signSpeedLimit(QPainter &p, const QPointF &c, qreal r, const QString &number)
{
    p.save();
    p.setPen(QPen(QColor(255, 255, 255), r * 0.08));
    p.setBrush(QColor(214, 30, 36));
    p.drawEllipse(c, r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(c, r * 0.72, r * 0.72);
    QFont f = makeFont(kSans, int(r * 0.85), true);
    f = fitFont(f, number, int(r * 1.2));
    p.setFont(f);
    p.setPen(QColor(20, 20, 20));
    p.drawText(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), Qt::AlignCenter, number);
    p.restore();
}

// A mandatory "go straight" sign: blue disc with a white arrow.
void signMandatory(QPainter &p, const QPointF &c, qreal r)
{
    p.save();
    p.setPen(QPen(Qt::white, r * 0.08));
    p.setBrush(QColor(0, 90, 190));
    p.drawEllipse(c, r, r);
    QPainterPath arrow;
    const qreal s = r;
    arrow.moveTo(c + QPointF(0, -0.62 * s));
    arrow.lineTo(c + QPointF(0.42 * s, -0.12 * s));
    arrow.lineTo(c + QPointF(0.15 * s, -0.12 * s));
    arrow.lineTo(c + QPointF(0.15 * s, 0.62 * s));
    arrow.lineTo(c + QPointF(-0.15 * s, 0.62 * s));
    arrow.lineTo(c + QPointF(-0.15 * s, -0.12 * s));
    arrow.lineTo(c + QPointF(-0.42 * s, -0.12 * s));
    arrow.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(arrow);
    p.restore();
}

// A warning sign: yellow triangle, black border, black exclamation mark.
void signWarning(QPainter &p, const QPointF &c, qreal r)
{
    p.save();
    const qreal h = r * 1.85;      // height of the triangle
    const qreal half = h / qSqrt(3.0);
    const QPointF top(c.x(), c.y() - h * 0.58);
    const QPointF bl(c.x() - half, c.y() + h * 0.42);
    const QPointF br(c.x() + half, c.y() + h * 0.42);
    QPolygonF tri;
    tri << top << br << bl;
    p.setPen(QPen(Qt::white, r * 0.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(20, 20, 20));
    p.drawPolygon(tri);
    // inner yellow triangle
    const QPointF ic(c.x(), c.y() + h * 0.09);
    QPolygonF inner;
    for (const QPointF &pt : tri)
        inner << ic + (pt - ic) * 0.78;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(252, 200, 0));
    p.drawPolygon(inner);
    // exclamation mark
    p.setBrush(QColor(20, 20, 20));
    QPolygonF bar;
    bar << QPointF(c.x() - r * 0.1, c.y() - r * 0.45) << QPointF(c.x() + r * 0.1, c.y() - r * 0.45)
        << QPointF(c.x() + r * 0.05, c.y() + r * 0.22) << QPointF(c.x() - r * 0.05, c.y() + r * 0.22);
    p.drawPolygon(bar);
    p.drawEllipse(QPointF(c.x(), c.y() + r * 0.42), r * 0.09, r * 0.09);
    p.restore();
}

// A stop sign: red octagon with white border and the character 停.
void signStop(QPainter &p, const QPointF &c, qreal r)
{
    p.save();
    QPolygonF oct;
    for (int i = 0; i < 8; ++i) {
        const qreal a = qDegreesToRadians(22.5 + 45.0 * i);
        oct << c + QPointF(r * qCos(a), r * qSin(a));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(oct);
    QPolygonF inner;
    for (const QPointF &pt : oct)
        inner << c + (pt - c) * 0.86;
    p.setBrush(QColor(214, 30, 36));
    p.drawPolygon(inner);
    p.setFont(makeFont(kSans, int(r * 0.95), true));
    p.setPen(Qt::white);
    p.drawText(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), Qt::AlignCenter, QStringLiteral("停"));
    p.restore();
}

// A side view of a training car. `x`,`groundY` give the left end of the car
// on the ground; `w` is the car length. The roof carries the "学" sign.
void drawCar(QPainter &p, qreal x, qreal groundY, qreal w, const QColor &body, bool roofSign)
{
    p.save();
    const qreal h = w * 0.36;
    const qreal wheelR = w * 0.095;
    const qreal bodyTop = groundY - h * 0.62;
    const qreal bodyBottom = groundY - wheelR * 0.55;
    // shadow
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawEllipse(QRectF(x - w * 0.02, groundY - wheelR * 0.35, w * 1.04, wheelR * 0.8));
    // cabin
    QPainterPath cabin;
    cabin.moveTo(x + w * 0.2, bodyTop + 1);
    cabin.lineTo(x + w * 0.33, groundY - h);
    cabin.lineTo(x + w * 0.66, groundY - h);
    cabin.lineTo(x + w * 0.8, bodyTop + 1);
    cabin.closeSubpath();
    p.setBrush(body.darker(104));
    p.setPen(QPen(body.darker(150), 1));
    p.drawPath(cabin);
    // windows
    QColor glass(120, 170, 215);
    QPolygonF w1, w2;
    w1 << QPointF(x + w * 0.245, bodyTop) << QPointF(x + w * 0.345, groundY - h * 0.93)
       << QPointF(x + w * 0.485, groundY - h * 0.93) << QPointF(x + w * 0.485, bodyTop);
    w2 << QPointF(x + w * 0.515, bodyTop) << QPointF(x + w * 0.515, groundY - h * 0.93)
       << QPointF(x + w * 0.65, groundY - h * 0.93) << QPointF(x + w * 0.75, bodyTop);
    QLinearGradient gg(0, groundY - h, 0, bodyTop);
    gg.setColorAt(0, glass.lighter(130));
    gg.setColorAt(1, glass.darker(115));
    p.setBrush(gg);
    p.setPen(Qt::NoPen);
    p.drawPolygon(w1);
    p.drawPolygon(w2);
    // body
    QLinearGradient bg(0, bodyTop, 0, bodyBottom);
    bg.setColorAt(0, body.lighter(112));
    bg.setColorAt(1, body.darker(112));
    p.setBrush(bg);
    p.setPen(QPen(body.darker(150), 1));
    p.drawRoundedRect(QRectF(x, bodyTop, w, bodyBottom - bodyTop), w * 0.06, w * 0.06);
    // stripe along the side (driving-school cars carry a coloured band)
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 110, 210));
    p.drawRect(QRectF(x + w * 0.02, bodyTop + (bodyBottom - bodyTop) * 0.42, w * 0.96,
                      (bodyBottom - bodyTop) * 0.16));
    // lights
    p.setBrush(QColor(255, 220, 120));
    p.drawRoundedRect(QRectF(x + w * 0.955, bodyTop + 3, w * 0.04, (bodyBottom - bodyTop) * 0.25), 1, 1);
    p.setBrush(QColor(220, 40, 40));
    p.drawRoundedRect(QRectF(x + w * 0.005, bodyTop + 3, w * 0.035, (bodyBottom - bodyTop) * 0.25), 1, 1);
    // wheels
    for (qreal cx : { x + w * 0.2, x + w * 0.8 }) {
        p.setBrush(QColor(35, 35, 40));
        p.drawEllipse(QPointF(cx, groundY - wheelR), wheelR, wheelR);
        p.setBrush(QColor(190, 195, 200));
        p.drawEllipse(QPointF(cx, groundY - wheelR), wheelR * 0.5, wheelR * 0.5);
    }
    if (roofSign) {
        const qreal sw = w * 0.2, sh = w * 0.12;
        const QRectF sr(x + w * 0.5 - sw / 2, groundY - h - sh, sw, sh);
        p.setBrush(QColor(250, 210, 30));
        p.setPen(QPen(QColor(160, 120, 0), 1));
        p.drawRoundedRect(sr, 2, 2);
        QFont f = makeFont(kSans, int(sh * 0.85), true);
        p.setFont(f);
        p.setPen(QColor(30, 30, 30));
        p.drawText(sr, Qt::AlignCenter, QStringLiteral("学"));
    }
    p.restore();
}

void drawTree(QPainter &p, qreal x, qreal groundY, qreal size)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 85, 50));
    p.drawRect(QRectF(x - size * 0.07, groundY - size * 0.55, size * 0.14, size * 0.55));
    const QColor g1(60, 150, 70), g2(85, 175, 85);
    p.setBrush(g1);
    p.drawEllipse(QPointF(x, groundY - size * 0.85), size * 0.42, size * 0.42);
    p.setBrush(g2);
    p.drawEllipse(QPointF(x - size * 0.12, groundY - size * 0.95), size * 0.25, size * 0.25);
    p.restore();
}

void drawCloud(QPainter &p, qreal x, qreal y, qreal s)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 225));
    p.drawEllipse(QPointF(x, y), s * 0.55, s * 0.35);
    p.drawEllipse(QPointF(x + s * 0.45, y - s * 0.15), s * 0.45, s * 0.4);
    p.drawEllipse(QPointF(x + s * 0.9, y), s * 0.5, s * 0.32);
    p.drawRoundedRect(QRectF(x - s * 0.3, y, s * 1.6, s * 0.3), s * 0.15, s * 0.15);
    p.restore();
}

void drawTrafficLight(QPainter &p, qreal x, qreal groundY, qreal h)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 80, 95));
    p.drawRect(QRectF(x - h * 0.03, groundY - h * 0.6, h * 0.06, h * 0.6));
    const QRectF box(x - h * 0.12, groundY - h, h * 0.24, h * 0.55);
    p.setBrush(QColor(35, 40, 50));
    p.drawRoundedRect(box, h * 0.05, h * 0.05);
    const QColor lamps[3] = { QColor(90, 30, 30), QColor(90, 75, 20), QColor(40, 230, 110) };
    for (int i = 0; i < 3; ++i) {
        const QPointF c(x, box.top() + box.height() * (0.18 + 0.32 * i));
        if (i == 2) {
            QRadialGradient glow(c, h * 0.14);
            glow.setColorAt(0, QColor(120, 255, 160, 160));
            glow.setColorAt(1, QColor(120, 255, 160, 0));
            p.setBrush(glow);
            p.drawEllipse(c, h * 0.14, h * 0.14);
        }
        p.setBrush(lamps[i]);
        p.drawEllipse(c, h * 0.075, h * 0.075);
    }
    p.restore();
}

// ---------------------------------------------------------------------------
// 1. Main-menu title banner, 817 x 89. The window places it at (-8,-8), so
// the leftmost and topmost 8 pixels carry background only.

void makeBannerMain()
{
    QImage img = newImage(817, 89);
    QPainter p(&img);
    beginPainter(p);

    QLinearGradient bg(0, 0, 817, 0);
    bg.setColorAt(0.0, QColor(10, 60, 140));
    bg.setColorAt(0.55, QColor(25, 100, 195));
    bg.setColorAt(1.0, QColor(60, 150, 230));
    p.fillRect(img.rect(), bg);

    // soft top light
    QLinearGradient shine(0, 0, 0, 89);
    shine.setColorAt(0.0, QColor(255, 255, 255, 50));
    shine.setColorAt(0.5, QColor(255, 255, 255, 0));
    shine.setColorAt(1.0, QColor(0, 0, 40, 40));
    p.fillRect(img.rect(), shine);

    // a road sweeping in from the right as a subtle motif
    QPainterPath road;
    road.moveTo(560, 89);
    road.cubicTo(640, 60, 720, 40, 817, 30);
    road.lineTo(817, 58);
    road.cubicTo(740, 64, 690, 76, 650, 89);
    road.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 38));
    p.drawPath(road);
    QPainterPath centre;
    centre.moveTo(605, 89);
    centre.cubicTo(680, 68, 740, 50, 817, 44);
    p.setBrush(Qt::NoBrush);
    QPen dash(QColor(255, 255, 255, 110), 2.0);
    dash.setDashPattern({ 6, 5 });
    p.setPen(dash);
    p.drawPath(centre);

    // bottom accent line
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 200, 40));
    p.drawRect(QRectF(8, 84, 809, 2));

    // steering-wheel badge
    const QPointF wc(52, 47);
    QRadialGradient badge(wc, 30);
    badge.setColorAt(0, QColor(255, 255, 255, 70));
    badge.setColorAt(1, QColor(255, 255, 255, 15));
    p.setPen(QPen(QColor(255, 255, 255, 120), 1.2));
    p.setBrush(badge);
    p.drawEllipse(wc, 30, 30);
    drawSteeringWheel(p, wc, 22, Qt::white);

    // title
    const QString title = QStringLiteral("澄原市青岚驾校驾驶员理论模拟考试系统");
    QFont f = fitFont(makeFont(kSerif, 36, true), title, 817 - 100 - 20);
    shadowText(p, QPointF(98, 60), title, f, Qt::white, QColor(0, 20, 70, 170), 2.0);
    p.end();
    save(img, QStringLiteral("banner_main.png"), "PNG");
}

// ---------------------------------------------------------------------------
// 2. Illustration of the school, 577 x 470, JPEG.

void makeSchool()
{
    const int W = 577, H = 470;
    QImage img = newImage(W, H);
    QPainter p(&img);
    beginPainter(p);

    // sky
    QLinearGradient sky(0, 0, 0, 250);
    sky.setColorAt(0, QColor(70, 150, 230));
    sky.setColorAt(1, QColor(190, 225, 250));
    p.fillRect(QRect(0, 0, W, 260), sky);
    // sun
    QRadialGradient sun(QPointF(60, 48), 46);
    sun.setColorAt(0, QColor(255, 250, 210));
    sun.setColorAt(0.45, QColor(255, 240, 170, 220));
    sun.setColorAt(1, QColor(255, 240, 170, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(QPointF(60, 48), 46, 46);
    drawCloud(p, 150, 40, 50);
    drawCloud(p, 470, 28, 38);
    drawCloud(p, 330, 62, 30);

    // far hills
    QPainterPath hills;
    hills.moveTo(0, 200);
    hills.cubicTo(80, 150, 160, 170, 230, 185);
    hills.cubicTo(320, 150, 430, 140, 577, 180);
    hills.lineTo(577, 260);
    hills.lineTo(0, 260);
    hills.closeSubpath();
    p.setBrush(QColor(150, 195, 170));
    p.drawPath(hills);

    // lawn strip in front of the building
    p.fillRect(QRect(0, 236, W, 30), QColor(110, 180, 95));

    // --- the school building
    const QRectF main(170, 96, 330, 150);
    // side wing
    const QRectF wing(500, 140, 62, 106);
    p.setBrush(QColor(220, 226, 232));
    p.setPen(QPen(QColor(150, 160, 175), 1));
    p.drawRect(wing);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 2; ++c) {
            p.setBrush(QColor(120, 170, 215));
            p.drawRect(QRectF(wing.left() + 9 + c * 26, wing.top() + 12 + r * 30, 18, 18));
        }
    // main block
    QLinearGradient wall(main.left(), 0, main.right(), 0);
    wall.setColorAt(0, QColor(245, 247, 250));
    wall.setColorAt(1, QColor(225, 231, 238));
    p.setBrush(wall);
    p.setPen(QPen(QColor(150, 160, 175), 1));
    p.drawRect(main);
    // roof band carrying the school name
    const QRectF nameBand(main.left() - 6, main.top() - 40, main.width() + 12, 40);
    QLinearGradient nb(0, nameBand.top(), 0, nameBand.bottom());
    nb.setColorAt(0, QColor(30, 105, 200));
    nb.setColorAt(1, QColor(15, 70, 150));
    p.setBrush(nb);
    p.setPen(QPen(QColor(10, 50, 110), 1));
    p.drawRect(nameBand);
    {
        const QString name = QStringLiteral("澄原市青岚驾校");
        QFont f = fitFont(makeFont(kSerif, 28, true), name, int(nameBand.width() - 80));
        p.setFont(f);
        QFontMetrics fm(f);
        const qreal tw = fm.horizontalAdvance(name);
        const qreal bx = nameBand.center().x() - tw / 2 + 16;
        const qreal by = nameBand.center().y() + (fm.ascent() - fm.descent()) / 2.0;
        // small steering wheel logo in front of the name
        drawSteeringWheel(p, QPointF(bx - 22, nameBand.center().y()), 13, QColor(255, 215, 60));
        shadowText(p, QPointF(bx, by), name, f, QColor(255, 255, 255), QColor(0, 20, 60, 160), 1.5);
    }
    // red slogan banner across the facade
    const QRectF slogan(main.left() + 30, main.top() + 10, main.width() - 60, 26);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 30, 35));
    p.drawRect(slogan);
    p.setBrush(QColor(160, 20, 25));
    p.drawRect(QRectF(slogan.left() - 4, slogan.top() - 2, 4, slogan.height() + 4));
    p.drawRect(QRectF(slogan.right(), slogan.top() - 2, 4, slogan.height() + 4));
    {
        const QString text = QStringLiteral("安全第一 文明驾驶");
        QFont f = fitFont(makeFont(kSans, 17, true), text, int(slogan.width() - 16));
        p.setFont(f);
        p.setPen(QColor(255, 236, 120));
        p.drawText(slogan, Qt::AlignCenter, text);
    }
    // windows, two storeys
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 6; ++c) {
            if (r == 1 && (c == 2 || c == 3))
                continue;   // entrance
            const QRectF win(main.left() + 20 + c * 51, main.top() + 48 + r * 50, 36, 30);
            QLinearGradient wg(0, win.top(), 0, win.bottom());
            wg.setColorAt(0, QColor(160, 205, 240));
            wg.setColorAt(1, QColor(90, 145, 200));
            p.setBrush(wg);
            p.setPen(QPen(QColor(110, 120, 135), 1.2));
            p.drawRect(win);
            p.setPen(QPen(QColor(230, 235, 240), 1));
            p.drawLine(QPointF(win.center().x(), win.top() + 1), QPointF(win.center().x(), win.bottom() - 1));
        }
    // entrance with canopy
    const QRectF door(main.left() + 126, main.top() + 100, 78, 50);
    p.setBrush(QColor(70, 110, 160));
    p.setPen(QPen(QColor(60, 70, 85), 1));
    p.drawRect(door);
    p.setPen(QPen(QColor(200, 215, 230), 1.2));
    p.drawLine(QPointF(door.center().x(), door.top()), QPointF(door.center().x(), door.bottom()));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 90, 175));
    QPolygonF canopy;
    canopy << QPointF(door.left() - 14, door.top()) << QPointF(door.right() + 14, door.top())
           << QPointF(door.right() + 6, door.top() - 9) << QPointF(door.left() - 6, door.top() - 9);
    p.drawPolygon(canopy);
    // steps
    p.setBrush(QColor(190, 195, 200));
    p.drawRect(QRectF(door.left() - 10, main.bottom(), door.width() + 20, 4));

    // flagpole
    p.setPen(QPen(QColor(140, 145, 150), 2));
    p.drawLine(QPointF(140, 246), QPointF(140, 120));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 30, 30));
    QPainterPath flag;
    flag.moveTo(141, 121);
    flag.cubicTo(155, 116, 163, 128, 177, 123);
    flag.lineTo(177, 143);
    flag.cubicTo(163, 148, 155, 136, 141, 141);
    flag.closeSubpath();
    p.drawPath(flag);

    // trees
    drawTree(p, 20, 250, 70);
    drawTree(p, 112, 250, 58);
    drawTree(p, 565, 252, 48);

    // --- training ground
    const qreal gTop = 262, gBottom = 412;
    QLinearGradient asphalt(0, gTop, 0, gBottom);
    asphalt.setColorAt(0, QColor(120, 125, 132));
    asphalt.setColorAt(1, QColor(85, 90, 98));
    p.fillRect(QRectF(0, gTop, W, gBottom - gTop), asphalt);
    // kerb
    p.fillRect(QRectF(0, gTop, W, 4), QColor(235, 235, 230));
    // lane markings (seen slightly from above: horizontal lanes)
    p.setPen(QPen(Qt::white, 2));
    p.drawLine(QPointF(0, gTop + 14), QPointF(W, gTop + 14));
    p.drawLine(QPointF(0, gBottom - 10), QPointF(W, gBottom - 10));
    QPen yellow(QColor(250, 200, 30), 3);
    p.setPen(yellow);
    p.drawLine(QPointF(0, 333), QPointF(W, 333));
    QPen dashes(Qt::white, 2.5);
    dashes.setDashPattern({ 8, 6 });
    p.setPen(dashes);
    p.drawLine(QPointF(0, 298), QPointF(W, 298));
    p.drawLine(QPointF(0, 372), QPointF(W, 372));
    // two training cars
    drawCar(p, 300, 325, 120, QColor(250, 250, 252), true);
    drawCar(p, 70, 400, 150, QColor(250, 250, 252), true);
    // traffic light and a cone
    drawTrafficLight(p, 545, 400, 80);
    for (qreal cx : { 260.0, 290.0 }) {
        QPolygonF cone;
        cone << QPointF(cx - 8, 404) << QPointF(cx + 8, 404) << QPointF(cx + 2, 382) << QPointF(cx - 2, 382);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(245, 110, 20));
        p.drawPolygon(cone);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(cx - 5, 391, 10, 4));
    }

    // billboard with the second slogan
    const QRectF board(370, 342, 150, 54);
    p.setPen(QPen(QColor(80, 85, 90), 3));
    p.drawLine(QPointF(board.left() + 20, board.bottom()), QPointF(board.left() + 20, 406));
    p.drawLine(QPointF(board.right() - 20, board.bottom()), QPointF(board.right() - 20, 406));
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(QColor(20, 95, 190));
    p.drawRoundedRect(board, 4, 4);
    {
        QFont f = makeFont(kSans, 17, true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(board.left(), board.top() + 3, board.width(), 26), Qt::AlignCenter,
                   QStringLiteral("一人一车"));
        p.setPen(QColor(255, 225, 90));
        p.drawText(QRectF(board.left(), board.top() + 25, board.width(), 26), Qt::AlignCenter,
                   QStringLiteral("随到随学"));
    }

    // --- contact band
    const QRectF band(0, gBottom, W, H - gBottom);
    QLinearGradient cb(0, band.top(), 0, band.bottom());
    cb.setColorAt(0, QColor(20, 85, 175));
    cb.setColorAt(1, QColor(10, 55, 130));
    p.fillRect(band, cb);
    p.fillRect(QRectF(0, gBottom, W, 3), QColor(255, 200, 40));
    {
        QFont big = makeFont(kSans, 18, true);
        QFont small = makeFont(kSans, 14, false);
        const QString phone = QStringLiteral("报名热线 0871-6688 1234");
        const QString addr = QStringLiteral("地址 澄原市青岚区学府路88号");
        // phone icon: a small handset in a yellow disc
        const QPointF ic(30, band.top() + 29);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 200, 40));
        p.drawEllipse(ic, 17, 17);
        p.save();
        p.translate(ic);
        p.rotate(225);
        p.scale(1.1, 1.1);
        p.setBrush(QColor(10, 55, 130));
        QPainterPath handset;
        handset.moveTo(-11, 3);
        handset.cubicTo(-11, -9, 11, -9, 11, 3);   // outer curve of the handle
        handset.lineTo(11, 6);
        handset.lineTo(4, 6);
        handset.lineTo(4, 1);
        handset.cubicTo(4, -3, -4, -3, -4, 1);     // inner curve
        handset.lineTo(-4, 6);
        handset.lineTo(-11, 6);
        handset.closeSubpath();
        p.drawPath(handset);
        p.restore();
        p.setFont(big);
        p.setPen(Qt::white);
        p.drawText(QRectF(56, band.top() + 4, W - 60, 28), Qt::AlignLeft | Qt::AlignVCenter, phone);
        p.setFont(small);
        p.setPen(QColor(215, 232, 255));
        p.drawText(QRectF(56, band.top() + 30, W - 60, 24), Qt::AlignLeft | Qt::AlignVCenter, addr);
    }
    p.end();
    save(img, QStringLiteral("school.jpg"), "JPG", 90);
}

// ---------------------------------------------------------------------------
// 3. Main-menu entries, 220 x 46 each.

using IconFn = std::function<void(QPainter &, const QRectF &)>;

QPen iconPen(qreal w = 2.0)
{
    return QPen(Qt::white, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void iconBook(QPainter &p, const QRectF &r)
{
    p.setPen(iconPen(1.8));
    p.setBrush(Qt::NoBrush);
    const QPointF c = r.center();
    QPainterPath left, right;
    left.moveTo(c.x(), c.y() - 5);
    left.cubicTo(c.x() - 3, c.y() - 8, c.x() - 7, c.y() - 8, c.x() - 10, c.y() - 7);
    left.lineTo(c.x() - 10, c.y() + 7);
    left.cubicTo(c.x() - 7, c.y() + 6, c.x() - 3, c.y() + 6, c.x(), c.y() + 9);
    left.closeSubpath();
    right.moveTo(c.x(), c.y() - 5);
    right.cubicTo(c.x() + 3, c.y() - 8, c.x() + 7, c.y() - 8, c.x() + 10, c.y() - 7);
    right.lineTo(c.x() + 10, c.y() + 7);
    right.cubicTo(c.x() + 7, c.y() + 6, c.x() + 3, c.y() + 6, c.x(), c.y() + 9);
    right.closeSubpath();
    p.drawPath(left);
    p.drawPath(right);
}

void iconExam(QPainter &p, const QRectF &r)
{
    const QPointF c = r.center();
    p.setPen(iconPen(1.8));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(c.x() - 8, c.y() - 9, 16, 19), 2, 2);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(c.x() - 4, c.y() - 11, 8, 4), 1, 1);
    p.setBrush(Qt::NoBrush);
    QPainterPath tick;
    tick.moveTo(c.x() - 4.5, c.y() + 1);
    tick.lineTo(c.x() - 1, c.y() + 4.5);
    tick.lineTo(c.x() + 5, c.y() - 3);
    p.setPen(iconPen(2.2));
    p.drawPath(tick);
}

void iconErrors(QPainter &p, const QRectF &r)
{
    // a sheet with a cross: questions answered wrongly
    const QPointF c = r.center();
    p.setPen(iconPen(1.8));
    p.setBrush(Qt::NoBrush);
    QPolygonF sheet;
    sheet << QPointF(c.x() - 8, c.y() - 10) << QPointF(c.x() + 4, c.y() - 10)
          << QPointF(c.x() + 8, c.y() - 6) << QPointF(c.x() + 8, c.y() + 10)
          << QPointF(c.x() - 8, c.y() + 10);
    p.drawPolygon(sheet);
    p.setPen(QPen(QColor(255, 120, 110), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-4, -3), c + QPointF(4, 5));
    p.drawLine(c + QPointF(4, -3), c + QPointF(-4, 5));
}

void iconBrowse(QPainter &p, const QRectF &r)
{
    const QPointF c = r.center() + QPointF(-2, -2);
    p.setPen(iconPen(2.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 7, 7);
    p.setPen(iconPen(3.0));
    p.drawLine(c + QPointF(5.2, 5.2), c + QPointF(10.5, 10.5));
}

void iconTips(QPainter &p, const QRectF &r)
{
    const QPointF c = r.center() + QPointF(0, -2);
    p.setPen(iconPen(1.8));
    p.setBrush(Qt::NoBrush);
    QPainterPath bulb;
    bulb.moveTo(c.x() - 3.5, c.y() + 6);
    bulb.cubicTo(c.x() - 3.5, c.y() + 2, c.x() - 8, c.y() + 0, c.x() - 8, c.y() - 4);
    bulb.cubicTo(c.x() - 8, c.y() - 9, c.x() - 4, c.y() - 11, c.x(), c.y() - 11);
    bulb.cubicTo(c.x() + 4, c.y() - 11, c.x() + 8, c.y() - 9, c.x() + 8, c.y() - 4);
    bulb.cubicTo(c.x() + 8, c.y() + 0, c.x() + 3.5, c.y() + 2, c.x() + 3.5, c.y() + 6);
    bulb.closeSubpath();
    p.drawPath(bulb);
    p.drawLine(QPointF(c.x() - 3, c.y() + 9), QPointF(c.x() + 3, c.y() + 9));
    p.drawLine(QPointF(c.x() - 2, c.y() + 11.5), QPointF(c.x() + 2, c.y() + 11.5));
}

void iconSigns(QPainter &p, const QRectF &r)
{
    // a warning triangle with an exclamation mark
    const QPointF c = r.center() + QPointF(0, 1);
    QPolygonF tri;
    tri << QPointF(c.x(), c.y() - 11) << QPointF(c.x() + 11, c.y() + 8) << QPointF(c.x() - 11, c.y() + 8);
    p.setPen(iconPen(2.0));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(tri);
    p.setPen(iconPen(2.4));
    p.drawLine(QPointF(c.x(), c.y() - 4.5), QPointF(c.x(), c.y() + 1));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(c.x(), c.y() + 4.6), 1.4, 1.4);
}

void iconSchool(QPainter &p, const QRectF &r)
{
    const QPointF c = r.center();
    p.setPen(iconPen(1.8));
    p.setBrush(Qt::NoBrush);
    QPolygonF roof;
    roof << QPointF(c.x() - 11, c.y() - 2) << QPointF(c.x(), c.y() - 10) << QPointF(c.x() + 11, c.y() - 2);
    p.drawPolyline(roof);
    p.drawRect(QRectF(c.x() - 8, c.y() - 2, 16, 12));
    p.drawRect(QRectF(c.x() - 2.5, c.y() + 3, 5, 7));
    p.drawLine(QPointF(c.x() - 11, c.y() + 10), QPointF(c.x() + 11, c.y() + 10));
}

void iconExit(QPainter &p, const QRectF &r)
{
    const QPointF c = r.center();
    p.setPen(iconPen(2.2));
    p.setBrush(Qt::NoBrush);
    const QRectF arc(c.x() - 9, c.y() - 8, 18, 18);
    p.drawArc(arc, 120 * 16, 300 * 16);
    p.drawLine(QPointF(c.x(), c.y() - 11), QPointF(c.x(), c.y() - 1));
}

void makeMenuItem(const QString &file, const QString &zh, const QString &en, const IconFn &icon)
{
    const int W = 220, H = 46;
    QImage img = newImage(W, H, true);
    QPainter p(&img);
    beginPainter(p);

    const QRectF btn(0.5, 0.5, W - 1, H - 1);
    QLinearGradient g(0, 0, 0, H);
    g.setColorAt(0.0, QColor(74, 150, 232));
    g.setColorAt(0.48, QColor(40, 115, 210));
    g.setColorAt(0.52, QColor(30, 100, 195));
    g.setColorAt(1.0, QColor(22, 82, 170));
    p.setPen(QPen(QColor(12, 55, 125), 1));
    p.setBrush(g);
    p.drawRoundedRect(btn, 6, 6);
    // inner highlight
    p.setPen(QPen(QColor(255, 255, 255, 90), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(btn.adjusted(1, 1, -1, -1), 5, 5);
    // yellow accent on the left edge
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 200, 40));
    p.drawRoundedRect(QRectF(3, 9, 3, H - 18), 1.5, 1.5);

    // icon badge
    const QRectF iconBox(10, 7, 32, 32);
    QRadialGradient ib(iconBox.center() + QPointF(-4, -5), 22);
    ib.setColorAt(0, QColor(255, 255, 255, 80));
    ib.setColorAt(1, QColor(255, 255, 255, 25));
    p.setBrush(ib);
    p.setPen(QPen(QColor(255, 255, 255, 140), 1));
    p.drawEllipse(iconBox);
    icon(p, iconBox);

    // labels
    const qreal tx = 50;
    const int maxW = int(W - tx - 8);
    QFont zf = fitFont(makeFont(kSans, 19, true), zh, maxW);
    QFont ef = fitFont(makeFont(kSans, 11, false), en, maxW);
    shadowText(p, QPointF(tx, 23), zh, zf, Qt::white, QColor(0, 30, 90, 140), 1.0);
    p.setFont(ef);
    p.setPen(QColor(215, 235, 255));
    p.drawText(QPointF(tx + 1, 39), en);
    p.end();
    save(img, file, "PNG");
}

void makeMenus()
{
    makeMenuItem(QStringLiteral("menu_study.png"), QStringLiteral("试题学习"),
                 QStringLiteral("Study Questions"), iconBook);
    makeMenuItem(QStringLiteral("menu_exam.png"), QStringLiteral("模拟考试"),
                 QStringLiteral("Exams"), iconExam);
    makeMenuItem(QStringLiteral("menu_errors.png"), QStringLiteral("易错试题"),
                 QStringLiteral("Error-prone Questions"), iconErrors);
    makeMenuItem(QStringLiteral("menu_browse.png"), QStringLiteral("浏览题库"),
                 QStringLiteral("View item bank"), iconBrowse);
    makeMenuItem(QStringLiteral("menu_tips.png"), QStringLiteral("学车技巧"),
                 QStringLiteral("Study Skills car"), iconTips);
    makeMenuItem(QStringLiteral("menu_signs.png"), QStringLiteral("交通标志"),
                 QStringLiteral("Traffic signs"), iconSigns);
    makeMenuItem(QStringLiteral("menu_school.png"), QStringLiteral("驾校介绍"),
                 QStringLiteral("My alma mater"), iconSchool);
    makeMenuItem(QStringLiteral("menu_exit.png"), QStringLiteral("结束练习"),
                 QStringLiteral("End of the exercise"), iconExit);
}

// ---------------------------------------------------------------------------
// 4. Banner of the exam-notice and study-set windows, 795 x 148, 24-bit BMP.

void makeBannerNotice()
{
    const int W = 795, H = 148;
    QImage img = newImage(W, H);
    QPainter p(&img);
    beginPainter(p);

    QLinearGradient bg(0, 0, W, H);
    bg.setColorAt(0.0, QColor(12, 62, 145));
    bg.setColorAt(0.6, QColor(28, 105, 200));
    bg.setColorAt(1.0, QColor(70, 155, 230));
    p.fillRect(img.rect(), bg);

    // perspective road on the left
    const qreal horizon = 34;
    QPolygonF road;
    road << QPointF(92, horizon) << QPointF(112, horizon) << QPointF(205, H) << QPointF(0, H);
    QLinearGradient rg(0, horizon, 0, H);
    rg.setColorAt(0, QColor(90, 110, 140));
    rg.setColorAt(1, QColor(50, 60, 78));
    p.setPen(Qt::NoPen);
    p.setBrush(rg);
    p.drawPolygon(road);
    // road edges
    p.setPen(QPen(QColor(255, 255, 255, 220), 2));
    p.drawLine(QPointF(93, horizon), QPointF(4, H));
    p.drawLine(QPointF(111, horizon), QPointF(200, H));
    // dashed centre line in perspective
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 210, 50));
    for (int i = 0; i < 6; ++i) {
        const qreal t0 = 0.06 + i * 0.17, t1 = t0 + 0.09;
        if (t0 >= 1.0)
            break;
        const qreal y0 = horizon + (H - horizon) * t0 * t0 * 0.6 + (H - horizon) * t0 * 0.4;
        const qreal y1 = horizon + (H - horizon) * qMin(1.0, t1) * qMin(1.0, t1) * 0.6
                + (H - horizon) * qMin(1.0, t1) * 0.4;
        const qreal w0 = 0.6 + 4.0 * (y0 - horizon) / (H - horizon);
        const qreal w1 = 0.6 + 4.0 * (y1 - horizon) / (H - horizon);
        const qreal x0 = 102 + (y0 - horizon) / (H - horizon) * 0.5;
        const qreal x1 = 102 + (y1 - horizon) / (H - horizon) * 0.5;
        QPolygonF d;
        d << QPointF(x0 - w0 / 2, y0) << QPointF(x0 + w0 / 2, y0) << QPointF(x1 + w1 / 2, y1)
          << QPointF(x1 - w1 / 2, y1);
        p.drawPolygon(d);
    }
    // horizon glow
    QRadialGradient hg(QPointF(102, horizon), 90);
    hg.setColorAt(0, QColor(255, 255, 255, 70));
    hg.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(hg);
    p.drawEllipse(QPointF(102, horizon), 90, 40);

    // signs on the right
    signSpeedLimit(p, QPointF(700, 46), 28, QStringLiteral("60"));
    signWarning(p, QPointF(704, 110), 25);
    drawTrafficLight(p, 764, 148, 124);

    // texts
    const QString line1 = QStringLiteral("澄原市青岚驾校");
    const QString line2 = QStringLiteral("驾驶员理论模拟考试");
    const qreal tx = 232;
    QFont f1 = fitFont(makeFont(kSerif, 32, true), line1, 620 - int(tx));
    QFont f2 = fitFont(makeFont(kSerif, 46, true), line2, 630 - int(tx));
    // underline of line 1
    shadowText(p, QPointF(tx, 52), line1, f1, QColor(255, 225, 100), QColor(0, 20, 70, 170), 2.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawRect(QRectF(tx + QFontMetrics(f1).horizontalAdvance(line1) + 12, 38, 150, 2));
    shadowText(p, QPointF(tx, 118), line2, f2, Qt::white, QColor(0, 20, 70, 180), 2.5);
    p.end();
    save(img, QStringLiteral("banner_notice.bmp"), "BMP");
}

// ---------------------------------------------------------------------------
// 5. Header of the browse and review windows, 794 x 84. The strip below
// y = 60 at the left stays calm: a heading label is drawn over it there.

void makeBannerHeader()
{
    const int W = 794, H = 84;
    QImage img = newImage(W, H);
    QPainter p(&img);
    beginPainter(p);

    QLinearGradient bg(0, 0, W, 0);
    bg.setColorAt(0.0, QColor(14, 70, 155));
    bg.setColorAt(0.6, QColor(30, 110, 205));
    bg.setColorAt(1.0, QColor(60, 145, 225));
    p.fillRect(img.rect(), bg);
    QLinearGradient shine(0, 0, 0, H);
    shine.setColorAt(0.0, QColor(255, 255, 255, 45));
    shine.setColorAt(0.55, QColor(255, 255, 255, 0));
    p.fillRect(img.rect(), shine);

    // a thin road line running under the signs (right side only)
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 30));
    p.drawRect(QRectF(420, 72, W - 420, 12));
    QPen dash(QColor(255, 255, 255, 120), 2);
    dash.setDashPattern({ 6, 5 });
    p.setPen(dash);
    p.drawLine(QPointF(420, 78), QPointF(W, 78));

    // title
    const QString title = QStringLiteral("驾驶人理论考试系统");
    drawSteeringWheel(p, QPointF(38, 31), 17, Qt::white);
    QFont f = fitFont(makeFont(kSerif, 32, true), title, 480);
    shadowText(p, QPointF(66, 44), title, f, Qt::white, QColor(0, 20, 70, 170), 2.0);

    // four signs
    const qreal cy = 37, r = 24;
    signSpeedLimit(p, QPointF(556, cy), r, QStringLiteral("40"));
    signMandatory(p, QPointF(616, cy), r);
    signWarning(p, QPointF(676, cy + 3), r);
    signStop(p, QPointF(738, cy), r);
    p.end();
    save(img, QStringLiteral("banner_header.png"), "PNG");
}

// ---------------------------------------------------------------------------
// 6. Candidate portrait placeholder, 114 x 113, JPEG.

void makePortrait()
{
    const int W = 114, H = 113;
    QImage img = newImage(W, H);
    QPainter p(&img);
    beginPainter(p);
    QLinearGradient bg(0, 0, 0, H);
    bg.setColorAt(0, QColor(232, 240, 250));
    bg.setColorAt(1, QColor(205, 220, 238));
    p.fillRect(img.rect(), bg);

    const QColor fig(150, 165, 185);
    p.setPen(Qt::NoPen);
    p.setBrush(fig);
    // shoulders
    QPainterPath body;
    body.moveTo(12, H + 1);
    body.cubicTo(14, 86, 30, 76, 57, 76);
    body.cubicTo(84, 76, 100, 86, 102, H + 1);
    body.closeSubpath();
    p.drawPath(body);
    // neck
    p.drawRoundedRect(QRectF(49, 62, 16, 18), 4, 4);
    // head
    p.drawEllipse(QPointF(57, 44), 20, 24);
    // thin frame
    p.setPen(QPen(QColor(170, 185, 205), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, W - 1, H - 1));
    p.end();
    save(img, QStringLiteral("portrait.jpg"), "JPG", 90);
}

// ---------------------------------------------------------------------------
// 7. "No picture" placeholder, 250 x 200.

void makeNoPic()
{
    const int W = 250, H = 200;
    QImage img = newImage(W, H);
    QPainter p(&img);
    beginPainter(p);
    p.fillRect(img.rect(), QColor(246, 247, 249));
    p.setPen(QPen(QColor(185, 190, 198), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, W - 1, H - 1));

    // faint picture glyph above the text
    const QRectF glyph(101, 58, 48, 36);
    p.setPen(QPen(QColor(200, 204, 210), 2));
    p.drawRoundedRect(glyph, 3, 3);
    QPolygonF mountain;
    mountain << QPointF(glyph.left() + 5, glyph.bottom() - 5) << QPointF(glyph.left() + 18, glyph.top() + 14)
             << QPointF(glyph.left() + 28, glyph.bottom() - 12) << QPointF(glyph.left() + 34, glyph.top() + 20)
             << QPointF(glyph.right() - 5, glyph.bottom() - 5);
    p.drawPolyline(mountain);
    p.drawEllipse(QPointF(glyph.right() - 11, glyph.top() + 10), 3.5, 3.5);

    p.setFont(makeFont(kSans, 22, false));
    p.setPen(QColor(140, 145, 152));
    p.drawText(QRectF(0, 100, W, 40), Qt::AlignCenter, QStringLiteral("无图片"));
    p.end();
    save(img, QStringLiteral("nopic.png"), "PNG");
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: QT_QPA_PLATFORM=offscreen %s <outdir>\n", argv[0]);
        return 2;
    }
    g_outDir = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(g_outDir)) {
        std::fprintf(stderr, "artgen-windows: cannot create %s\n", argv[1]);
        return 1;
    }
    for (const int scale : artgen::kScales) {
        g_scale = scale;
        makeBannerMain();
        makeSchool();
        makeMenus();
        makeBannerNotice();
        makeBannerHeader();
        makePortrait();
        makeNoPic();
    }
    return g_ok ? 0 : 1;
}
