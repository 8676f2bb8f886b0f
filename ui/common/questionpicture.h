#pragma once

#include <QPixmap>
#include <QString>

// The picture of a question: the file upload\ + subpic beside the bank the
// run's bank came from (app::pictureFolder()). No picture (a null pixmap) when subpic is null, "NULL" or blank,
// names a path out of upload/, or the file is missing or unreadable.
QPixmap questionPicture(const QVariant &subpic);
