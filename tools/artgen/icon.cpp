// artgen-icon: draws the program's icon for the desktop's menu and task bar:
// a white steering wheel on a blue rounded square, with a green tick badge.
// Each size is drawn from the same shapes, not scaled from a bigger picture,
// so that the small sizes stay sharp.
//
// Run:  QT_QPA_PLATFORM=offscreen artgen-icon <outdir>
// It writes <outdir>/<n>x<n>/apps/qinglan-exam.png for n = 48, 64, 128, 256
// and <outdir>/scalable/apps/qinglan-exam.svg (the hicolor theme's layout);
// the SVG is written from the same shapes as the pictures.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRadialGradient>

#include <cstdio>

namespace {

// The shapes, on a 256 x 256 canvas.
const QRectF kTile(10, 10, 236, 236);
constexpr double kTileRadius = 46;
constexpr double kTileOutline = 4;
const QColor kTileTop(0x3b, 0x8e, 0xea);
const QColor kTileBottom(0x12, 0x4a, 0xa0);
const QColor kTileLine(0x0c, 0x35, 0x78);
const QPointF kWheel(122, 116);
constexpr double kRimRadius = 74;
constexpr double kRimWidth = 22;
constexpr double kSpokeWidth = 20;
const QPointF kSpokes[3] = {QPointF(-70, 10), QPointF(70, 10), QPointF(0, 72)};
constexpr double kHubRadius = 28;
constexpr double kHubDotRadius = 11;
const QColor kHubDot(0x1f, 0x63, 0xc4);
const QPointF kBadge(190, 190);
constexpr double kBadgeRadius = 46;
constexpr double kBadgeOutline = 9;
const QPointF kBadgeLight(-14, -14); // the centre of its shading, from the badge's
constexpr double kBadgeLightRadius = 60;
const QColor kBadgeInner(0x5c, 0xd1, 0x6b);
const QColor kBadgeOuter(0x1f, 0x9a, 0x3a);
const QPointF kTick[3] = {QPointF(-23, 1), QPointF(-6, 18), QPointF(24, -15)};
constexpr double kTickWidth = 14;

QImage drawIcon(int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(size / 256.0, size / 256.0);

    // The tile.
    QLinearGradient blue(kTile.topLeft(), kTile.bottomLeft());
    blue.setColorAt(0, kTileTop);
    blue.setColorAt(1, kTileBottom);
    p.setPen(QPen(kTileLine, kTileOutline));
    p.setBrush(blue);
    p.drawRoundedRect(kTile, kTileRadius, kTileRadius);

    // The steering wheel: rim, three spokes, hub.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, kRimWidth));
    p.drawEllipse(kWheel, kRimRadius, kRimRadius);
    p.setPen(QPen(Qt::white, kSpokeWidth, Qt::SolidLine, Qt::RoundCap));
    for (const QPointF &spoke : kSpokes)
        p.drawLine(kWheel, kWheel + spoke);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(kWheel, kHubRadius, kHubRadius);
    p.setBrush(kHubDot);
    p.drawEllipse(kWheel, kHubDotRadius, kHubDotRadius);

    // The badge: a passed exam.
    QRadialGradient green(kBadge + kBadgeLight, kBadgeLightRadius);
    green.setColorAt(0, kBadgeInner);
    green.setColorAt(1, kBadgeOuter);
    p.setPen(QPen(Qt::white, kBadgeOutline));
    p.setBrush(green);
    p.drawEllipse(kBadge, kBadgeRadius, kBadgeRadius);
    QPainterPath tick;
    tick.moveTo(kBadge + kTick[0]);
    tick.lineTo(kBadge + kTick[1]);
    tick.lineTo(kBadge + kTick[2]);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, kTickWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
    p.end();
    return img;
}

QString num(double v)
{
    return QString::number(v, 'g', 6);
}

QString point(const QPointF &at)
{
    return num(at.x()) + QLatin1Char(',') + num(at.y());
}

// The same shapes as an SVG document, for the sizes no PNG is drawn for.
QString iconSvg()
{
    QString svg;
    const auto line = [&svg](const QString &text) { svg += text + QLatin1Char('\n'); };
    line(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
    line(QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 256 256\">"));
    line(QStringLiteral("  <defs>"));
    line(QStringLiteral("    <linearGradient id=\"tile\" gradientUnits=\"userSpaceOnUse\" x1=\"%1\" y1=\"%2\" x2=\"%1\" y2=\"%3\">")
             .arg(num(kTile.left()), num(kTile.top()), num(kTile.bottom())));
    line(QStringLiteral("      <stop offset=\"0\" stop-color=\"%1\"/>").arg(kTileTop.name()));
    line(QStringLiteral("      <stop offset=\"1\" stop-color=\"%1\"/>").arg(kTileBottom.name()));
    line(QStringLiteral("    </linearGradient>"));
    const QPointF light = kBadge + kBadgeLight;
    line(QStringLiteral("    <radialGradient id=\"badge\" gradientUnits=\"userSpaceOnUse\" cx=\"%1\" cy=\"%2\" r=\"%3\">")
             .arg(num(light.x()), num(light.y()), num(kBadgeLightRadius)));
    line(QStringLiteral("      <stop offset=\"0\" stop-color=\"%1\"/>").arg(kBadgeInner.name()));
    line(QStringLiteral("      <stop offset=\"1\" stop-color=\"%1\"/>").arg(kBadgeOuter.name()));
    line(QStringLiteral("    </radialGradient>"));
    line(QStringLiteral("  </defs>"));
    line(QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" fill=\"url(#tile)\" stroke=\"%6\" stroke-width=\"%7\"/>")
             .arg(num(kTile.x()), num(kTile.y()), num(kTile.width()), num(kTile.height()), num(kTileRadius),
                  kTileLine.name(), num(kTileOutline)));
    line(QStringLiteral("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"none\" stroke=\"#ffffff\" stroke-width=\"%4\"/>")
             .arg(num(kWheel.x()), num(kWheel.y()), num(kRimRadius), num(kRimWidth)));
    QString spokes;
    for (const QPointF &spoke : kSpokes)
        spokes += QStringLiteral("M%1 L%2 ").arg(point(kWheel), point(kWheel + spoke));
    line(QStringLiteral("  <path d=\"%1\" fill=\"none\" stroke=\"#ffffff\" stroke-width=\"%2\" stroke-linecap=\"round\"/>")
             .arg(spokes.trimmed(), num(kSpokeWidth)));
    line(QStringLiteral("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"#ffffff\"/>")
             .arg(num(kWheel.x()), num(kWheel.y()), num(kHubRadius)));
    line(QStringLiteral("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"%4\"/>")
             .arg(num(kWheel.x()), num(kWheel.y()), num(kHubDotRadius), kHubDot.name()));
    line(QStringLiteral("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"url(#badge)\" stroke=\"#ffffff\" stroke-width=\"%4\"/>")
             .arg(num(kBadge.x()), num(kBadge.y()), num(kBadgeRadius), num(kBadgeOutline)));
    line(QStringLiteral("  <path d=\"M%1 L%2 L%3\" fill=\"none\" stroke=\"#ffffff\" stroke-width=\"%4\" stroke-linecap=\"round\" stroke-linejoin=\"round\"/>")
             .arg(point(kBadge + kTick[0]), point(kBadge + kTick[1]), point(kBadge + kTick[2]), num(kTickWidth)));
    line(QStringLiteral("</svg>"));
    return svg;
}

bool writeSvg(const QString &outdir)
{
    const QString folder = QDir(outdir).filePath(QStringLiteral("scalable/apps"));
    QFile file(folder + QStringLiteral("/qinglan-exam.svg"));
    return QDir().mkpath(folder) && file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(iconSvg().toUtf8()) >= 0 && file.flush();
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
    if (!writeSvg(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "artgen-icon: cannot write the SVG icon\n");
        ok = false;
    }
    return ok ? 0 : 1;
}
