// artgen-signals: draws the pictures of the three help pages under html/ —
// the eight traffic-police hand signals, the plan of the school's training
// ground and the numeric keypad with the keys the exam windows use.
//
// The officer is drawn from the front, as the driver who faces him sees him:
// the officer's right arm is on the left of the picture. The pose at the start
// of a movement is drawn solid, the pose the arm swings to is drawn faded, and
// a red arrow shows the swing.
//
// Everything is drawn with QPainter; the output is deterministic (no random
// numbers, fixed font "Noto Sans CJK SC").
//
// Run:  QT_QPA_PLATFORM=offscreen artgen-signals <outdir>
// It writes jjss_*.png (8 signals, 200 x 240), xunlianchang.png (500 x 260)
// and xiaojianpan.png (320 x 384) into <outdir>, each also at 2x
// (jjss_tingzhi@2x.png and so on), drawn by the same code.

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
#include <QString>
#include <QStringList>
#include <QVector>
#include <QtMath>

#include <cstdio>
#include <vector>

#include "scales.h"

namespace {

const char *const kSans = "Noto Sans CJK SC";

QString g_outDir;
bool g_ok = true;
int g_scale = 1; // the scale the pictures are drawn at in this round

QFont makeFont(int pixelSize, bool bold = false)
{
    QFont f(QString::fromLatin1(kSans));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QFont fitFont(QFont f, const QString &text, int maxWidth)
{
    while (f.pixelSize() > 6 && QFontMetrics(f).horizontalAdvance(text) > maxWidth)
        f.setPixelSize(f.pixelSize() - 1);
    return f;
}

// A picture of w × h pixels, drawn at the round's scale.
QImage newImage(int w, int h)
{
    QImage img = artgen::canvas(w, h, g_scale, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::white);
    return img;
}

void beginPainter(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

void save(const QImage &img, const QString &name)
{
    const QImage out = img.convertToFormat(QImage::Format_RGB32);
    const QString path = QDir(g_outDir).filePath(artgen::scaledName(name, g_scale));
    if (!out.save(path, "PNG")) {
        std::fprintf(stderr, "artgen-signals: cannot write %s\n", qPrintable(path));
        g_ok = false;
    } else {
        std::printf("%s %dx%d\n", qPrintable(path), out.width(), out.height());
    }
}

// A label with a rounded white plate behind it, centred on `c`.
void plateText(QPainter &p, const QPointF &c, const QString &text, int px,
               const QColor &fg = QColor(30, 40, 55), const QColor &bg = QColor(255, 255, 255, 215))
{
    const QFont f = makeFont(px, true);
    const QFontMetricsF fm(f);
    const qreal w = fm.horizontalAdvance(text) + 8;
    const qreal h = fm.height() + 2;
    const QRectF r(c.x() - w / 2, c.y() - h / 2, w, h);
    p.save();
    p.setPen(QPen(QColor(0, 0, 0, 60), 0.8));
    p.setBrush(bg);
    p.drawRoundedRect(r, 4, 4);
    p.setFont(f);
    p.setPen(fg);
    p.drawText(r, Qt::AlignCenter, text);
    p.restore();
}

// ---------------------------------------------------------------------------
// The traffic-police officer

const QColor kUniform(34, 52, 90);        // dark police blue
const QColor kUniformEdge(18, 28, 52);
const QColor kVest(200, 226, 56);         // fluorescent yellow-green safety vest
const QColor kVestEdge(140, 165, 30);
const QColor kReflect(226, 230, 236);     // silver reflective stripes
const QColor kSkin(242, 203, 164);
const QColor kSkinEdge(190, 140, 100);
const QColor kGlove(255, 255, 255);
const QColor kGloveEdge(120, 132, 150);
const QColor kArrow(222, 40, 40);

// The pose an arm swings to is drawn in pale colours with dashed outlines.
bool g_ghost = false;

QColor sleeveFill() { return g_ghost ? QColor(168, 182, 210) : kUniform; }
QColor sleeveEdge() { return g_ghost ? QColor(96, 112, 150) : kUniformEdge; }
QPen gloveEdgePen()
{
    return g_ghost ? QPen(QColor(110, 124, 150), 0.9, Qt::DashLine) : QPen(kGloveEdge, 0.9);
}

enum class Hand {
    Open,  // open hand, palm towards the viewer
    Flat,  // hand held flat in line with the arm, seen from its edge or back
    End    // arm pointing at the viewer, palm to the side: the hand is seen end-on
};

struct Arm {
    QPointF shoulder, elbow, wrist;
    Hand hand = Hand::Flat;
    qreal fingerAngle = 90;  // direction of the fingers on screen, degrees (0 = right, 90 = down)
    int thumb = 1;           // +1: thumb on the side counter-clockwise of the fingers, -1: the other side
    qreal handScale = 1.0;   // > 1 for a hand that is nearer to the viewer
    bool towardsViewer = false;  // the arm points at the viewer and is seen foreshortened
};

struct Swing {
    Arm from;          // drawn solid
    bool moves = false;
    Arm to;            // drawn faded when `moves`
    QPainterPath arrow;
};

const QPointF kRightShoulder(78, 84);  // the officer's right shoulder, left in the picture
const QPointF kLeftShoulder(122, 84);

Arm hangingRight()
{
    Arm a;
    a.shoulder = kRightShoulder;
    a.elbow = QPointF(72, 114);
    a.wrist = QPointF(70, 142);
    a.hand = Hand::Flat;
    a.fingerAngle = 94;
    a.thumb = -1;
    return a;
}

Arm hangingLeft()
{
    Arm a;
    a.shoulder = kLeftShoulder;
    a.elbow = QPointF(128, 114);
    a.wrist = QPointF(130, 142);
    a.hand = Hand::Flat;
    a.fingerAngle = 86;
    a.thumb = 1;
    return a;
}

void drawOpenHand(QPainter &p, int thumb)
{
    // Local frame: fingers along +x, the thumb on local -y for thumb = +1.
    const qreal t = thumb;
    p.setPen(gloveEdgePen());
    p.setBrush(kGlove);
    // thumb
    p.save();
    p.translate(3.5, -5.0 * t);
    p.rotate(-48 * t);
    p.drawRoundedRect(QRectF(-1.5, -2.0, 10.5, 4.0), 2.0, 2.0);
    p.restore();
    // four fingers, index next to the thumb
    const qreal ys[4] = {-4.9, -1.65, 1.65, 4.9};
    const qreal lens[4] = {9.5, 10.8, 10.0, 8.0};
    for (int i = 0; i < 4; ++i)
        p.drawRoundedRect(QRectF(8.5, ys[i] * t - 1.6, lens[i] + 1.5, 3.2), 1.6, 1.6);
    // palm and cuff
    p.drawRoundedRect(QRectF(-3.0, -6.6, 13.0, 13.2), 3.2, 3.2);
    p.setPen(QPen(QColor(190, 198, 210), 0.8));
    p.drawLine(QPointF(1.5, -3.5 * t), QPointF(7.0, 2.5 * t));
    p.setPen(gloveEdgePen());
    p.setBrush(QColor(236, 240, 246));
    p.drawRoundedRect(QRectF(-5.0, -5.8, 3.2, 11.6), 1.2, 1.2);
}

void drawFlatHand(QPainter &p, int thumb)
{
    const qreal t = thumb;
    p.setPen(gloveEdgePen());
    p.setBrush(kGlove);
    // thumb lying along the hand
    p.save();
    p.translate(3.0, -3.6 * t);
    p.rotate(-18 * t);
    p.drawRoundedRect(QRectF(0, -1.7, 8.5, 3.4), 1.7, 1.7);
    p.restore();
    QPainterPath mitt;
    mitt.addRoundedRect(QRectF(-3.0, -4.4, 24.0, 8.8), 4.2, 4.2);
    p.drawPath(mitt);
    p.setPen(QPen(QColor(180, 188, 202), 0.8));
    p.drawLine(QPointF(11.5, -1.4), QPointF(19.5, -1.4));
    p.drawLine(QPointF(11.5, 1.4), QPointF(19.5, 1.4));
    p.setPen(gloveEdgePen());
    p.setBrush(QColor(236, 240, 246));
    p.drawRoundedRect(QRectF(-5.0, -4.6, 3.2, 9.2), 1.2, 1.2);
}

void drawEndHand(QPainter &p)
{
    // Hand pointing at the viewer, palm to the side: a narrow upright shape
    // showing the four finger tips one above the other.
    p.setPen(gloveEdgePen());
    p.setBrush(kGlove);
    p.drawRoundedRect(QRectF(-5.0, -11.0, 10.0, 22.0), 5.0, 5.0);
    p.setPen(QPen(QColor(180, 188, 202), 0.8));
    for (qreal y : {-5.5, 0.0, 5.5})
        p.drawLine(QPointF(-3.5, y), QPointF(3.5, y));
}

void drawArm(QPainter &p, const Arm &a)
{
    p.save();
    const qreal w = a.towardsViewer ? 14.5 : 12.0;
    QPainterPath sleeve;
    sleeve.moveTo(a.shoulder);
    sleeve.lineTo(a.elbow);
    sleeve.lineTo(a.wrist);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(sleeveEdge(), w + 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(sleeve);
    p.setPen(QPen(sleeveFill(), w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(sleeve);
    // a reflective band on the upper arm
    const QPointF mid = a.shoulder + (a.elbow - a.shoulder) * 0.55;
    const QLineF upper(a.shoulder, a.elbow);
    if (upper.length() > 12) {
        const QLineF n = upper.normalVector().unitVector();
        const QPointF d(n.dx() * (w / 2), n.dy() * (w / 2));
        p.setPen(QPen(kReflect, 3.0, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(mid - d, mid + d);
    }
    if (a.towardsViewer) {
        // the cuff seen end-on
        p.setPen(QPen(sleeveEdge(), 1.0));
        p.setBrush(sleeveFill().darker(125));
        p.drawEllipse(a.wrist, w / 2 + 1.0, w / 2 + 1.0);
    }
    p.translate(a.wrist);
    p.scale(a.handScale, a.handScale);
    if (a.hand == Hand::End) {
        drawEndHand(p);
    } else {
        p.rotate(a.fingerAngle);
        if (a.hand == Hand::Open)
            drawOpenHand(p, a.thumb);
        else
            drawFlatHand(p, a.thumb);
    }
    p.restore();
}

void drawArrow(QPainter &p, const QPainterPath &path)
{
    if (path.isEmpty())
        return;
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 200), 5.0, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(path);
    p.setPen(QPen(kArrow, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(path);
    const QPointF tip = path.pointAtPercent(1.0);
    const qreal ang = path.angleAtPercent(1.0);  // degrees, counter-clockwise, y up
    p.translate(tip);
    p.rotate(-ang);
    QPolygonF head;
    head << QPointF(3, 0) << QPointF(-7, -5) << QPointF(-5, 0) << QPointF(-7, 5);
    p.setPen(QPen(Qt::white, 1.0));
    p.setBrush(kArrow);
    p.drawPolygon(head);
    p.restore();
}

void drawBody(QPainter &p)
{
    p.save();
    // shadow on the ground
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 80, 110, 45));
    p.drawEllipse(QPointF(100, 214), 40, 6);

    // legs and shoes
    p.setPen(QPen(kUniformEdge, 1.0));
    p.setBrush(QColor(28, 42, 72));
    p.drawRoundedRect(QRectF(81, 146, 18, 62), 3, 3);
    p.drawRoundedRect(QRectF(101, 146, 18, 62), 3, 3);
    p.setPen(QPen(QColor(16, 24, 44), 1.0));
    p.drawLine(QPointF(90, 156), QPointF(90, 204));
    p.drawLine(QPointF(110, 156), QPointF(110, 204));
    p.setPen(QPen(QColor(10, 10, 10), 1.0));
    p.setBrush(QColor(25, 25, 28));
    p.drawRoundedRect(QRectF(77, 205, 23, 9), 4, 4);
    p.drawRoundedRect(QRectF(100, 205, 23, 9), 4, 4);

    // torso (shirt)
    QPainterPath torso;
    torso.moveTo(90, 72);
    torso.lineTo(110, 72);
    torso.cubicTo(118, 74, 126, 76, 128, 86);
    torso.lineTo(123, 150);
    torso.lineTo(77, 150);
    torso.lineTo(72, 86);
    torso.cubicTo(74, 76, 82, 74, 90, 72);
    p.setPen(QPen(kUniformEdge, 1.2));
    p.setBrush(kUniform);
    p.drawPath(torso);

    // safety vest with a V neck
    QPainterPath vest;
    vest.moveTo(84, 76);
    vest.lineTo(100, 100);
    vest.lineTo(116, 76);
    vest.cubicTo(121, 78, 124, 82, 124, 88);
    vest.lineTo(121, 146);
    vest.lineTo(79, 146);
    vest.lineTo(76, 88);
    vest.cubicTo(76, 82, 79, 78, 84, 76);
    p.setPen(QPen(kVestEdge, 1.2));
    p.setBrush(kVest);
    p.drawPath(vest);
    // reflective stripes: two across, two up over the shoulders
    p.save();
    p.setClipPath(vest);
    p.setPen(Qt::NoPen);
    p.setBrush(kReflect);
    p.drawRect(QRectF(70, 112, 60, 6));
    p.drawRect(QRectF(70, 130, 60, 6));
    p.drawRect(QRectF(84, 76, 6, 36));
    p.drawRect(QRectF(110, 76, 6, 36));
    p.setPen(QPen(QColor(160, 168, 180), 0.6));
    p.drawLine(QPointF(70, 115), QPointF(130, 115));
    p.drawLine(QPointF(70, 133), QPointF(130, 133));
    p.restore();

    // shirt collar, tie, badge
    p.setPen(QPen(QColor(150, 170, 200), 0.8));
    p.setBrush(QColor(205, 220, 240));
    QPolygonF collarL, collarR;
    collarL << QPointF(91, 70) << QPointF(100, 80) << QPointF(92, 84) << QPointF(87, 74);
    collarR << QPointF(109, 70) << QPointF(100, 80) << QPointF(108, 84) << QPointF(113, 74);
    p.drawPolygon(collarL);
    p.drawPolygon(collarR);
    p.setPen(QPen(QColor(10, 14, 30), 0.6));
    p.setBrush(QColor(20, 26, 48));
    QPolygonF tie;
    tie << QPointF(98, 80) << QPointF(102, 80) << QPointF(103.5, 96) << QPointF(100, 100) << QPointF(96.5, 96);
    p.drawPolygon(tie);
    p.setPen(QPen(QColor(150, 110, 20), 0.8));
    p.setBrush(QColor(230, 185, 50));
    p.drawEllipse(QPointF(114, 98), 3.2, 3.2);

    // belt
    p.setPen(QPen(QColor(150, 156, 166), 0.8));
    p.setBrush(QColor(246, 246, 246));
    p.drawRect(QRectF(78, 142, 44, 7));
    p.setBrush(QColor(190, 196, 206));
    p.drawRoundedRect(QRectF(96, 141.5, 8, 8), 1.5, 1.5);

    // neck and head
    p.setPen(QPen(kSkinEdge, 0.8));
    p.setBrush(kSkin);
    p.drawRect(QRectF(94, 60, 12, 13));
    p.drawEllipse(QPointF(85.5, 50), 3.2, 4.6);
    p.drawEllipse(QPointF(114.5, 50), 3.2, 4.6);
    p.drawEllipse(QPointF(100, 50), 14, 16);
    // hair at the temples
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 24, 20));
    p.drawRect(QRectF(86.5, 38, 3.5, 9));
    p.drawRect(QRectF(110, 38, 3.5, 9));
    // face
    p.setBrush(QColor(40, 30, 25));
    p.drawEllipse(QPointF(94.5, 50), 1.7, 1.9);
    p.drawEllipse(QPointF(105.5, 50), 1.7, 1.9);
    p.setPen(QPen(QColor(60, 40, 30), 1.1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(91.5, 46), QPointF(97, 45.5));
    p.drawLine(QPointF(103, 45.5), QPointF(108.5, 46));
    p.setPen(QPen(kSkinEdge, 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(100, 51), QPointF(99, 55));
    p.setPen(QPen(QColor(170, 80, 70), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(96, 55, 8, 4), 200 * 16, 140 * 16);

    // peaked cap: white top, dark band, black visor, badge
    p.setPen(QPen(QColor(150, 156, 166), 1.0));
    p.setBrush(QColor(250, 250, 250));
    QPainterPath crown;
    crown.moveTo(82, 38);
    crown.cubicTo(74, 30, 80, 22, 100, 21);
    crown.cubicTo(120, 22, 126, 30, 118, 38);
    crown.closeSubpath();
    p.drawPath(crown);
    p.setPen(QPen(kUniformEdge, 0.8));
    p.setBrush(QColor(28, 40, 70));
    p.drawRect(QRectF(84, 34, 32, 6));
    p.setPen(QPen(QColor(200, 170, 60), 0.8));
    p.drawLine(QPointF(85, 37), QPointF(115, 37));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(12, 12, 14));
    QPainterPath visor;
    visor.moveTo(83, 39.5);
    visor.cubicTo(90, 46, 110, 46, 117, 39.5);
    visor.cubicTo(110, 42, 90, 42, 83, 39.5);
    p.drawPath(visor);
    p.setPen(QPen(QColor(150, 110, 20), 0.8));
    p.setBrush(QColor(232, 190, 50));
    p.drawEllipse(QPointF(100, 30), 4.6, 4.6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 30, 30));
    p.drawEllipse(QPointF(100, 30), 2.0, 2.0);
    p.restore();
}

void drawSignal(const QString &file, const Swing &right, const Swing &left)
{
    QImage img = newImage(200, 240);
    QPainter p(&img);
    beginPainter(p);

    // card background
    QLinearGradient bg(0, 0, 0, 240);
    bg.setColorAt(0.0, QColor(226, 238, 252));
    bg.setColorAt(0.85, QColor(246, 250, 255));
    bg.setColorAt(1.0, QColor(236, 240, 246));
    p.setPen(QPen(QColor(180, 196, 220), 1.0));
    p.setBrush(bg);
    p.drawRoundedRect(QRectF(0.5, 0.5, 199, 239), 8, 8);

    drawBody(p);
    for (const Swing *s : {&right, &left}) {
        drawArm(p, s->from);
    }
    for (const Swing *s : {&right, &left}) {
        if (!s->moves)
            continue;
        g_ghost = true;
        p.setOpacity(0.85);
        drawArm(p, s->to);
        p.setOpacity(1.0);
        g_ghost = false;
    }
    for (const Swing *s : {&right, &left})
        drawArrow(p, s->arrow);

    // which side is which, seen from the driver's seat
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawRoundedRect(QRectF(4, 220, 192, 16), 4, 4);
    p.setFont(makeFont(11));
    p.setPen(QColor(70, 86, 110));
    p.drawText(QRectF(8, 220, 90, 16), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("← 交警的右侧"));
    p.drawText(QRectF(102, 220, 90, 16), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("交警的左侧 →"));
    p.end();
    save(img, file);
}

Swing still(const Arm &a)
{
    Swing s;
    s.from = a;
    return s;
}

QPainterPath arc(const QPointF &a, const QPointF &ctrl, const QPointF &b)
{
    QPainterPath path(a);
    path.quadTo(ctrl, b);
    return path;
}

// Left arm raised to the front and up, palm to the front (stop; also the
// first half of "pull over").
Arm leftRaisedPalmFront()
{
    Arm a;
    a.shoulder = kLeftShoulder;
    a.elbow = QPointF(131, 60);
    a.wrist = QPointF(138, 37);
    a.hand = Hand::Open;
    a.fingerAngle = -84;
    a.thumb = 1;
    a.handScale = 1.1;
    return a;
}

void makeSignals()
{
    // 1 停止信号: left arm up to the front, palm to the front.
    drawSignal(QStringLiteral("jjss_tingzhi.png"), still(hangingRight()), still(leftRaisedPalmFront()));

    // 2 直行信号: left arm out to the left, palm to the front; right arm out to
    //   the right, palm to the front, swinging to the left (to the front).
    {
        Arm l;
        l.shoulder = kLeftShoulder;
        l.elbow = QPointF(148, 84);
        l.wrist = QPointF(172, 84);
        l.hand = Hand::Open;
        l.fingerAngle = 0;
        l.thumb = 1;
        Swing r;
        r.from.shoulder = kRightShoulder;
        r.from.elbow = QPointF(52, 84);
        r.from.wrist = QPointF(28, 84);
        r.from.hand = Hand::Open;
        r.from.fingerAngle = 180;
        r.from.thumb = -1;
        r.moves = true;
        r.to.shoulder = kRightShoulder;
        r.to.elbow = QPointF(72, 100);
        r.to.wrist = QPointF(90, 100);
        r.to.hand = Hand::Open;
        r.to.fingerAngle = -10;
        r.to.thumb = 1;
        r.to.handScale = 1.15;
        r.to.towardsViewer = true;
        r.arrow = arc(QPointF(16, 100), QPointF(30, 128), QPointF(78, 122));
        drawSignal(QStringLiteral("jjss_zhixing.png"), r, still(l));
    }

    // 3 左转弯信号: right arm straight to the front, palm to the front; left arm
    //   with the hand flat swings to the right front, palm to the right.
    {
        Arm r;
        r.shoulder = kRightShoulder;
        r.elbow = QPointF(71, 92);
        r.wrist = QPointF(66, 97);
        r.hand = Hand::Open;
        r.fingerAngle = -96;
        r.thumb = -1;
        r.handScale = 1.25;
        r.towardsViewer = true;
        Swing l;
        l.from.shoulder = kLeftShoulder;
        l.from.elbow = QPointF(146, 92);
        l.from.wrist = QPointF(168, 100);
        l.from.hand = Hand::Flat;
        l.from.fingerAngle = 20;
        l.from.thumb = 1;
        l.moves = true;
        l.to.shoulder = kLeftShoulder;
        l.to.elbow = QPointF(110, 98);
        l.to.wrist = QPointF(94, 108);
        l.to.hand = Hand::Flat;
        l.to.fingerAngle = 148;
        l.to.thumb = 1;
        l.to.handScale = 1.1;
        l.to.towardsViewer = true;
        l.arrow = arc(QPointF(186, 116), QPointF(160, 140), QPointF(92, 130));
        drawSignal(QStringLiteral("jjss_zuozhuan.png"), still(r), l);
    }

    // 4 左转弯待转信号: left arm out to the lower left, palm down; it swings
    //   downwards with the hand flat.
    {
        Swing l;
        l.from.shoulder = kLeftShoulder;
        l.from.elbow = QPointF(146, 96);
        l.from.wrist = QPointF(168, 108);
        l.from.hand = Hand::Flat;
        l.from.fingerAngle = 28;
        l.from.thumb = -1;
        l.moves = true;
        l.to.shoulder = kLeftShoulder;
        l.to.elbow = QPointF(139, 108);
        l.to.wrist = QPointF(152, 132);
        l.to.hand = Hand::Flat;
        l.to.fingerAngle = 62;
        l.to.thumb = -1;
        l.arrow = arc(QPointF(192, 114), QPointF(194, 144), QPointF(176, 158));
        drawSignal(QStringLiteral("jjss_zuozhuan_daizhuan.png"), still(hangingRight()), l);
    }

    // 5 右转弯信号: left arm straight to the front, palm to the front; right arm
    //   with the hand flat swings to the left front, palm to the left.
    {
        Arm l;
        l.shoulder = kLeftShoulder;
        l.elbow = QPointF(129, 92);
        l.wrist = QPointF(134, 97);
        l.hand = Hand::Open;
        l.fingerAngle = -84;
        l.thumb = 1;
        l.handScale = 1.25;
        l.towardsViewer = true;
        Swing r;
        r.from.shoulder = kRightShoulder;
        r.from.elbow = QPointF(54, 92);
        r.from.wrist = QPointF(32, 100);
        r.from.hand = Hand::Flat;
        r.from.fingerAngle = 160;
        r.from.thumb = -1;
        r.moves = true;
        r.to.shoulder = kRightShoulder;
        r.to.elbow = QPointF(90, 98);
        r.to.wrist = QPointF(106, 108);
        r.to.hand = Hand::Flat;
        r.to.fingerAngle = 32;
        r.to.thumb = -1;
        r.to.handScale = 1.1;
        r.to.towardsViewer = true;
        r.arrow = arc(QPointF(14, 116), QPointF(40, 140), QPointF(108, 130));
        drawSignal(QStringLiteral("jjss_youzhuan.png"), r, still(l));
    }

    // 6 变道信号: right arm straight to the front, palm to the left; it swings
    //   level to the left.
    {
        Swing r;
        r.from.shoulder = kRightShoulder;
        r.from.elbow = QPointF(70, 92);
        r.from.wrist = QPointF(63, 98);
        r.from.hand = Hand::End;
        r.from.handScale = 1.2;
        r.from.towardsViewer = true;
        r.moves = true;
        r.to.shoulder = kRightShoulder;
        r.to.elbow = QPointF(90, 94);
        r.to.wrist = QPointF(104, 98);
        r.to.hand = Hand::End;
        r.to.handScale = 1.2;
        r.to.towardsViewer = true;
        r.arrow = arc(QPointF(52, 124), QPointF(80, 134), QPointF(112, 124));
        drawSignal(QStringLiteral("jjss_biandao.png"), r, still(hangingLeft()));
    }

    // 7 减速慢行信号: right arm out to the right front, palm down; it swings
    //   downwards with the hand flat, from shoulder height to the waist.
    {
        Swing r;
        r.from.shoulder = kRightShoulder;
        r.from.elbow = QPointF(56, 88);
        r.from.wrist = QPointF(36, 92);
        r.from.hand = Hand::Flat;
        r.from.fingerAngle = 172;
        r.from.thumb = 1;
        r.moves = true;
        r.to.shoulder = kRightShoulder;
        r.to.elbow = QPointF(62, 108);
        r.to.wrist = QPointF(50, 128);
        r.to.hand = Hand::Flat;
        r.to.fingerAngle = 120;
        r.to.thumb = 1;
        r.arrow = arc(QPointF(12, 96), QPointF(8, 134), QPointF(30, 150));
        drawSignal(QStringLiteral("jjss_jiansu.png"), r, still(hangingLeft()));
    }

    // 8 示意车辆靠边停车信号: left arm up to the front, palm to the front; right
    //   arm down to the front, palm to the left, swinging level to the left.
    {
        Swing r;
        r.from.shoulder = kRightShoulder;
        r.from.elbow = QPointF(66, 100);
        r.from.wrist = QPointF(56, 114);
        r.from.hand = Hand::Flat;
        r.from.fingerAngle = 118;
        r.from.thumb = -1;
        r.from.handScale = 0.95;
        r.from.towardsViewer = true;
        r.moves = true;
        r.to.shoulder = kRightShoulder;
        r.to.elbow = QPointF(88, 104);
        r.to.wrist = QPointF(102, 118);
        r.to.hand = Hand::Flat;
        r.to.fingerAngle = 62;
        r.to.thumb = -1;
        r.to.handScale = 0.95;
        r.to.towardsViewer = true;
        r.arrow = arc(QPointF(54, 156), QPointF(80, 166), QPointF(112, 156));
        drawSignal(QStringLiteral("jjss_kaobian.png"), r, still(leftRaisedPalmFront()));
    }
}

// ---------------------------------------------------------------------------
// The training ground, seen from above

void drawCar(QPainter &p, const QPointF &c, qreal angle, const QColor &color, qreal len = 20, qreal wid = 10)
{
    p.save();
    p.translate(c);
    p.rotate(angle);
    p.setPen(QPen(color.darker(150), 0.8));
    p.setBrush(color);
    p.drawRoundedRect(QRectF(-len / 2, -wid / 2, len, wid), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 80, 100, 200));
    p.drawRoundedRect(QRectF(len * 0.08, -wid / 2 + 1.5, len * 0.22, wid - 3), 1.5, 1.5);
    p.drawRoundedRect(QRectF(-len * 0.38, -wid / 2 + 1.5, len * 0.16, wid - 3), 1.5, 1.5);
    p.restore();
}

void drawTruck(QPainter &p, const QPointF &c, qreal angle)
{
    p.save();
    p.translate(c);
    p.rotate(angle);
    p.setPen(QPen(QColor(90, 90, 90), 0.8));
    p.setBrush(QColor(240, 240, 236));
    p.drawRect(QRectF(-26, -7, 38, 14));
    p.setBrush(QColor(30, 110, 190));
    p.drawRoundedRect(QRectF(13, -6.5, 11, 13), 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 80, 100, 200));
    p.drawRect(QRectF(19, -5, 3, 10));
    p.restore();
}

void drawTree(QPainter &p, const QPointF &c, qreal r)
{
    p.setPen(QPen(QColor(60, 120, 50), 0.8));
    p.setBrush(QColor(96, 160, 72));
    p.drawEllipse(c, r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(130, 190, 96));
    p.drawEllipse(c + QPointF(-r * 0.3, -r * 0.3), r * 0.45, r * 0.45);
}

void makeTrainingGround()
{
    const int W = 500, H = 260;
    QImage img = newImage(W, H);
    QPainter p(&img);
    beginPainter(p);

    const QColor asphalt(118, 124, 133);
    const QColor yellow(250, 206, 40);

    // grass inside the fence
    p.fillRect(QRectF(0, 0, W, H), QColor(206, 228, 176));

    // 学府路 along the bottom, outside the fence
    p.fillRect(QRectF(0, 228, W, 32), QColor(96, 100, 108));
    p.setPen(QPen(Qt::white, 1.6, Qt::DashLine));
    p.drawLine(QPointF(0, 244), QPointF(W, 244));
    p.fillRect(QRectF(0, 222, W, 6), QColor(214, 208, 196));  // pavement

    // fence
    p.setPen(QPen(QColor(70, 110, 60), 2.0, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(3, 3, W - 6, 217));

    // trees along the fence
    for (int x = 12; x < W; x += 26)
        drawTree(p, QPointF(x, 213), 5);

    // ring road with a dashed centre line
    QPainterPath ring;
    ring.addRoundedRect(QRectF(20, 14, 460, 188), 26, 26);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(asphalt, 18, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(ring);
    p.setPen(QPen(QColor(255, 255, 255, 230), 1.2, Qt::DashLine));
    p.drawPath(ring);

    // gate: connection from the ring road to 学府路
    p.fillRect(QRectF(404, 200, 40, 28), asphalt);
    p.setPen(QPen(QColor(180, 40, 40), 3));
    p.drawLine(QPointF(404, 220), QPointF(404, 228));
    p.drawLine(QPointF(444, 220), QPointF(444, 228));

    // 1 倒车入库: apron with three garage boxes
    p.setPen(Qt::NoPen);
    p.setBrush(asphalt);
    p.drawRect(QRectF(40, 34, 130, 64));
    p.setPen(QPen(yellow, 1.6));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        const qreal x = 50 + i * 40;
        QPolygonF box;
        box << QPointF(x, 66) << QPointF(x, 38) << QPointF(x + 30, 38) << QPointF(x + 30, 66);
        p.drawPolyline(box);
    }
    drawCar(p, QPointF(105, 52), 90, QColor(230, 80, 60));
    drawCar(p, QPointF(150, 82), 0, QColor(60, 130, 220));

    // 2 侧方停车: strip with one box along the kerb
    p.setPen(Qt::NoPen);
    p.setBrush(asphalt);
    p.drawRect(QRectF(40, 108, 130, 40));
    p.setPen(QPen(yellow, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(80, 110, 44, 15));
    drawCar(p, QPointF(60, 138), 0, QColor(250, 250, 250));

    // 3 坡道定点停车与起步
    QLinearGradient ramp(184, 0, 292, 0);
    ramp.setColorAt(0.0, asphalt.lighter(110));
    ramp.setColorAt(0.5, asphalt.lighter(135));
    ramp.setColorAt(1.0, asphalt.lighter(110));
    p.setPen(QPen(QColor(90, 94, 100), 1.0));
    p.setBrush(ramp);
    p.drawRect(QRectF(184, 40, 108, 30));
    p.setPen(QPen(Qt::white, 2.0));
    p.drawLine(QPointF(238, 42), QPointF(238, 68));
    p.setPen(QPen(QColor(90, 94, 100), 0.8));
    for (int x = 190; x < 292; x += 8) {
        if (x > 232 && x < 244)
            continue;
        p.drawLine(QPointF(x, 40), QPointF(x + 4, 46));
    }
    drawCar(p, QPointF(212, 55), 0, QColor(250, 190, 40));

    // 4 曲线行驶: an S-shaped lane
    QPainterPath s;
    s.moveTo(188, 180);
    s.cubicTo(205, 120, 240, 190, 258, 130);
    s.cubicTo(268, 100, 282, 100, 292, 96);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(asphalt, 14, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(s);
    p.setPen(QPen(yellow, 1.2));
    p.drawPath(s);

    // 5 直角转弯: an L-shaped lane
    QPainterPath l;
    l.moveTo(306, 40);
    l.lineTo(360, 40);
    l.lineTo(360, 96);
    p.setPen(QPen(asphalt, 14, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPath(l);
    p.setPen(QPen(yellow, 1.2));
    p.drawPath(l);

    // 6 teaching building with the theory room
    p.setPen(QPen(QColor(120, 60, 40), 1.0));
    p.setBrush(QColor(210, 108, 80));
    p.drawRect(QRectF(380, 32, 84, 60));
    p.setPen(QPen(QColor(170, 90, 60), 1.0));
    p.drawLine(QPointF(380, 32), QPointF(422, 62));
    p.drawLine(QPointF(464, 32), QPointF(422, 62));
    p.drawLine(QPointF(380, 92), QPointF(422, 62));
    p.drawLine(QPointF(464, 92), QPointF(422, 62));

    // 7 heavy-vehicle yard (A2/B2) with the pole course
    p.setPen(Qt::NoPen);
    p.setBrush(asphalt);
    p.drawRect(QRectF(304, 112, 160, 76));
    p.setPen(QPen(yellow, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(312, 120, 70, 44));
    p.setPen(QPen(QColor(240, 240, 240), 1.0));
    p.setBrush(QColor(255, 120, 20));
    for (const QPointF &pt : {QPointF(312, 120), QPointF(347, 120), QPointF(382, 120),
                              QPointF(312, 164), QPointF(347, 164), QPointF(382, 164)})
        p.drawEllipse(pt, 2.6, 2.6);
    drawTruck(p, QPointF(425, 150), 0);

    // cars on the ring road
    drawCar(p, QPointF(300, 14), 0, QColor(60, 170, 110));
    drawCar(p, QPointF(480, 120), 90, QColor(230, 80, 60));
    drawCar(p, QPointF(140, 202), 180, QColor(60, 130, 220));

    // compass
    p.save();
    p.translate(60, 176);
    p.setPen(QPen(QColor(60, 60, 60), 1.0));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(0, 0), 11, 11);
    p.setBrush(QColor(200, 40, 40));
    QPolygonF needle;
    needle << QPointF(0, -9) << QPointF(4, 2) << QPointF(-4, 2);
    p.drawPolygon(needle);
    p.restore();
    p.setFont(makeFont(10, true));
    p.setPen(QColor(50, 60, 50));
    p.drawText(QRectF(72, 168, 20, 14), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("北"));

    // labels
    plateText(p, QPointF(105, 88), QStringLiteral("倒车入库"), 11);
    plateText(p, QPointF(130, 140), QStringLiteral("侧方停车"), 11);
    plateText(p, QPointF(238, 82), QStringLiteral("坡道定点停车和起步"), 11);
    plateText(p, QPointF(240, 170), QStringLiteral("曲线行驶"), 11);
    plateText(p, QPointF(334, 70), QStringLiteral("直角转弯"), 11);
    plateText(p, QPointF(422, 54), QStringLiteral("教学楼"), 11);
    plateText(p, QPointF(422, 72), QStringLiteral("理论模拟考试室"), 10);
    plateText(p, QPointF(384, 178), QStringLiteral("大车训练区（A2/B2）"), 11);
    plateText(p, QPointF(347, 142), QStringLiteral("桩考"), 10);
    plateText(p, QPointF(112, 26), QStringLiteral("环形训练道路（科目三练习）"), 10);
    plateText(p, QPointF(424, 216), QStringLiteral("大门"), 10, Qt::white, QColor(180, 40, 40, 230));
    plateText(p, QPointF(60, 250), QStringLiteral("学府路"), 11, Qt::white, QColor(40, 44, 52, 200));
    plateText(p, QPointF(250, 250), QStringLiteral("学府路88号  澄原市青岚驾校训练场"), 11, Qt::white,
              QColor(40, 44, 52, 200));

    p.end();
    save(img, QStringLiteral("xunlianchang.png"));
}

// ---------------------------------------------------------------------------
// The numeric keypad

struct Key {
    int col, row, w, h;       // grid cells
    QString cap;              // printed on the key
    QString line1, line2;     // what the key does in the program
    QColor color;
};

void makeKeypad()
{
    const int W = 320, H = 384;
    const qreal unit = 68, gap = 6, left = 17, top = 40;
    QImage img = newImage(W, H);
    QPainter p(&img);
    beginPainter(p);

    p.setPen(QPen(QColor(170, 178, 190), 1.0));
    p.setBrush(QColor(238, 241, 246));
    p.drawRoundedRect(QRectF(0.5, 0.5, W - 1, H - 1), 10, 10);
    p.setFont(makeFont(14, true));
    p.setPen(QColor(30, 50, 90));
    p.drawText(QRectF(0, 8, W, 24), Qt::AlignCenter, QStringLiteral("小键盘按键（先打开 Num Lock）"));

    const QColor answer(200, 224, 255);   // answering
    const QColor move(206, 240, 200);     // changing the question
    const QColor handIn(255, 208, 200);   // handing in
    const QColor confirm(255, 238, 170);  // confirm / cancel / start
    const QColor plain(226, 228, 232);

    const std::vector<Key> keys = {
        {0, 0, 1, 1, QStringLiteral("Num"), QStringLiteral("指示灯"), QStringLiteral("须亮"), plain},
        {1, 0, 1, 1, QStringLiteral("/"), QStringLiteral("交卷"), QString(), handIn},
        {2, 0, 1, 1, QStringLiteral("*"), QStringLiteral("主菜单：考试"), QStringLiteral("答题：翻页"), confirm},
        {3, 0, 1, 1, QStringLiteral("-"), QStringLiteral("上一题"), QString(), move},
        {0, 1, 1, 1, QStringLiteral("7"), QStringLiteral("跳到"), QStringLiteral("第1题"), move},
        {1, 1, 1, 1, QStringLiteral("8"), QStringLiteral("跳到"), QStringLiteral("第41题"), move},
        {2, 1, 1, 1, QStringLiteral("9"), QStringLiteral("跳到"), QStringLiteral("第71题"), move},
        {3, 1, 1, 2, QStringLiteral("+"), QStringLiteral("下一题"), QStringLiteral("车型/科目切换"), move},
        {0, 2, 1, 1, QStringLiteral("4"), QStringLiteral("√ 正确"), QString(), answer},
        {1, 2, 1, 1, QStringLiteral("5"), QStringLiteral("选 D"), QString(), answer},
        {2, 2, 1, 1, QStringLiteral("6"), QStringLiteral("× 错误"), QString(), answer},
        {0, 3, 1, 1, QStringLiteral("1"), QStringLiteral("选 A"), QString(), answer},
        {1, 3, 1, 1, QStringLiteral("2"), QStringLiteral("选 B"), QString(), answer},
        {2, 3, 1, 1, QStringLiteral("3"), QStringLiteral("选 C"), QString(), answer},
        {3, 3, 1, 2, QStringLiteral("Enter"), QStringLiteral("确定/开始"), QStringLiteral("成绩：关闭"), confirm},
        {0, 4, 2, 1, QStringLiteral("0"), QStringLiteral("交卷确认窗口："), QStringLiteral("确认交卷"), handIn},
        {2, 4, 1, 1, QStringLiteral(". Del"), QStringLiteral("取消/继续"), QStringLiteral("成绩：错题"), confirm},
    };

    for (const Key &k : keys) {
        const QRectF r(left + k.col * (unit + gap), top + k.row * (unit * 0.82 + gap),
                       k.w * unit + (k.w - 1) * gap, k.h * unit * 0.82 + (k.h - 1) * gap);
        // key body with a darker lower edge
        p.setPen(Qt::NoPen);
        p.setBrush(k.color.darker(135));
        p.drawRoundedRect(r.translated(0, 2), 7, 7);
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0.0, k.color.lighter(106));
        g.setColorAt(1.0, k.color);
        p.setPen(QPen(k.color.darker(150), 1.0));
        p.setBrush(g);
        p.drawRoundedRect(r, 7, 7);
        // legend
        p.setFont(makeFont(k.cap.size() > 2 ? 13 : 18, true));
        p.setPen(QColor(25, 30, 40));
        p.drawText(r.adjusted(7, 3, -4, 0), Qt::AlignLeft | Qt::AlignTop, k.cap);
        // function in the program
        const QRectF fr = r.adjusted(4, 0, -4, -5);
        QFont f = makeFont(11, true);
        f = fitFont(f, k.line1, int(fr.width()));
        QFont f2 = makeFont(11, true);
        f2 = fitFont(f2, k.line2, int(fr.width()));
        p.setPen(QColor(150, 20, 20));
        if (k.line2.isEmpty()) {
            p.setFont(f);
            p.drawText(fr, Qt::AlignHCenter | Qt::AlignBottom, k.line1);
        } else {
            p.setFont(f);
            p.drawText(fr.adjusted(0, 0, 0, -15), Qt::AlignHCenter | Qt::AlignBottom, k.line1);
            p.setFont(f2);
            p.drawText(fr, Qt::AlignHCenter | Qt::AlignBottom, k.line2);
        }
    }

    // colour legend
    const qreal ly = H - 28;
    const struct {
        QColor c;
        QString t;
    } legend[] = {{answer, QStringLiteral("答题")},
                  {move, QStringLiteral("换题")},
                  {handIn, QStringLiteral("交卷")},
                  {confirm, QStringLiteral("确定/取消")}};
    qreal x = 18;
    p.setFont(makeFont(12));
    for (const auto &e : legend) {
        p.setPen(QPen(e.c.darker(150), 1.0));
        p.setBrush(e.c);
        p.drawRoundedRect(QRectF(x, ly + 3, 14, 14), 3, 3);
        p.setPen(QColor(40, 50, 70));
        const qreal tw = QFontMetricsF(p.font()).horizontalAdvance(e.t);
        p.drawText(QRectF(x + 18, ly, tw + 4, 20), Qt::AlignLeft | Qt::AlignVCenter, e.t);
        x += 18 + tw + 16;
    }
    p.end();
    save(img, QStringLiteral("xiaojianpan.png"));
}

}  // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: QT_QPA_PLATFORM=offscreen %s <outdir>\n", argv[0]);
        return 2;
    }
    g_outDir = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(g_outDir)) {
        std::fprintf(stderr, "artgen-signals: cannot create %s\n", argv[1]);
        return 1;
    }
    for (const int scale : artgen::kScales) {
        g_scale = scale;
        makeSignals();
        makeTrainingGround();
        makeKeypad();
    }
    return g_ok ? 0 : 1;
}
