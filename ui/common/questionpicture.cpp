#include "questionpicture.h"

#include "logging.h"
#include "programfolder.h"
#include "widgets.h"

#include <QVariant>

using namespace Qt::StringLiterals;

namespace {

// The name subpic gives, empty when it names no picture.
QString pictureName(const QVariant &subpic)
{
    if (subpic.isNull())
        return {};
    const QString name = subpic.toString();
    return name == u"NULL"_s || name.trimmed().isEmpty() ? QString() : name;
}

// The picture's file in upload/, empty for a path that leaves upload/.
QString pictureFile(const QString &name)
{
    QString relative = name;
    relative.replace(u'\\', u'/');
    if (relative.startsWith(u'/') || relative.split(u'/').contains(u".."_s))
        return {};
    return app::programFile(u"upload/"_s + relative);
}

} // namespace

QPixmap questionPicture(const QVariant &subpic)
{
    const QString name = pictureName(subpic);
    const QString file = name.isEmpty() ? QString() : pictureFile(name);
    // The format follows the file's contents, whatever its extension says.
    return file.isEmpty() ? QPixmap() : QPixmap(file);
}

void showQuestionPicture(Picture *pic, const QVariant &subpic)
{
    const QString name = pictureName(subpic);
    if (name.isEmpty()) {
        pic->clear();
        pic->hide();
        return;
    }
    const QString file = pictureFile(name);
    if (file.isEmpty() || !pic->setPictureFile(file)) {
        pic->setWordWrap(true);
        pic->setText(u"图片缺失："_s + name);
        qCWarning(lcUi).noquote() << u"图片缺失：%1"_s.arg(file.isEmpty() ? name + u"（不在 upload 文件夹里）"_s : file);
    }
    pic->show();
}
