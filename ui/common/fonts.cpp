#include "fonts.h"

#include <QApplication>

using namespace Qt::StringLiterals;

namespace fonts {
namespace {

QFont face(const QString &family, int pixels, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

} // namespace

void install()
{
    const QString serif = u"Noto Serif CJK SC"_s;
    const QString sansCjk = u"Noto Sans CJK SC"_s;
    QFont::insertSubstitutions(u"宋体"_s, {serif, sansCjk});
    QFont::insertSubstitutions(u"MS Sans Serif"_s, {sansCjk});
    QFont::insertSubstitutions(u"Arial Black"_s, {u"DejaVu Sans"_s, sansCjk});
    QApplication::setFont(sans(11));
}

QFont song(int pixels, bool bold)
{
    return face(u"宋体"_s, pixels, bold);
}

QFont sans(int pixels, bool bold)
{
    return face(u"MS Sans Serif"_s, pixels, bold);
}

QFont arialBlack(int pixels)
{
    QFont font = face(u"Arial Black"_s, pixels, true);
    font.setWeight(QFont::Black);
    return font;
}

} // namespace fonts
