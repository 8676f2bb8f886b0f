// artgen-icon: draws the program's icon for the desktop's menu and task bar:
// a white steering wheel on a blue rounded square, with a green tick badge.
// Each size is drawn from the same shapes, not scaled from a bigger picture,
// so that the small sizes stay sharp.
//
// Run:  QT_QPA_PLATFORM=offscreen artgen-icon <outdir>
// It writes <outdir>/<n>x<n>/apps/qinglan-exam.png for n = 48, 64, 128, 256
// (the hicolor theme's layout).

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRadialGradient>

#include <cstdio>

namespace {

// Drawn on a 256 x 256 canvas, scaled to the size.
QImage drawIcon(int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(size / 256.0, size / 256.0);

    // The tile.
    const QRectF tile(10, 10, 236, 236);
    QLinearGradient blue(tile.topLeft(), tile.bottomLeft());
    blue.setColorAt(0, QColor(0x3b, 0x8e, 0xea));
    blue.setColorAt(1, QColor(0x12, 0x4a, 0xa0));
    p.setPen(QPen(QColor(0x0c, 0x35, 0x78), 4));
    p.setBrush(blue);
    p.drawRoundedRect(tile, 46, 46);

    // The steering wheel: rim, three spokes, hub.
    const QPointF centre(122, 116);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 22));
    p.drawEllipse(centre, 74, 74);
    QPen spoke(Qt::white, 20, Qt::SolidLine, Qt::RoundCap);
    p.setPen(spoke);
    p.drawLine(centre, centre + QPointF(-70, 10));
    p.drawLine(centre, centre + QPointF(70, 10));
    p.drawLine(centre, centre + QPointF(0, 72));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(centre, 28, 28);
    p.setBrush(QColor(0x1f, 0x63, 0xc4));
    p.drawEllipse(centre, 11, 11);

    // The badge: a passed exam.
    const QPointF badge(190, 190);
    QRadialGradient green(badge - QPointF(14, 14), 60);
    green.setColorAt(0, QColor(0x5c, 0xd1, 0x6b));
    green.setColorAt(1, QColor(0x1f, 0x9a, 0x3a));
    p.setPen(QPen(Qt::white, 9));
    p.setBrush(green);
    p.drawEllipse(badge, 46, 46);
    QPainterPath tick;
    tick.moveTo(badge + QPointF(-23, 1));
    tick.lineTo(badge + QPointF(-6, 18));
    tick.lineTo(badge + QPointF(24, -15));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 14, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
    p.end();
    return img;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: artgen-icon <outdir>\n");
        return 1;
    }
    bool ok = true;
    for (const int size : {48, 64, 128, 256}) {
        const QString folder =
            QDir(QString::fromLocal8Bit(argv[1])).filePath(QStringLiteral("%1x%1/apps").arg(size));
        const QString path = folder + QStringLiteral("/qinglan-exam.png");
        if (!QDir().mkpath(folder) || !drawIcon(size).save(path, "PNG")) {
            std::fprintf(stderr, "artgen-icon: cannot write %s\n", qPrintable(path));
            ok = false;
        }
    }
    return ok ? 0 : 1;
}
