// The scales every picture is drawn at. Each art program draws a picture
// with one function that paints in the picture's own pixels (its 1x size);
// the loop in main() runs it once per scale on a canvas of that many device
// pixels per pixel, so the 2x picture is drawn, not enlarged, and a picture
// added to a program gets its 2x partner without further work.
#pragma once

#include <QImage>
#include <QString>

namespace artgen {

inline constexpr int kScales[] = {1, 2};

// The file of a picture at a scale: "sign.jpg" at 1x, "sign@2x.jpg" at 2x
// (Qt's naming, which the program looks for beside the 1x file).
inline QString scaledName(const QString &file, int scale)
{
    if (scale == 1)
        return file;
    const qsizetype dot = file.lastIndexOf(QLatin1Char('.'));
    const QString suffix = QStringLiteral("@%1x").arg(scale);
    return dot < 0 ? file + suffix : file.left(dot) + suffix + file.mid(dot);
}

// A canvas for a picture of w × h pixels at a scale: w·scale × h·scale device
// pixels, on which a painter draws in the w × h pixels of the 1x picture.
inline QImage canvas(int w, int h, int scale, QImage::Format format)
{
    QImage img(w * scale, h * scale, format);
    img.setDevicePixelRatio(scale);
    return img;
}

} // namespace artgen
