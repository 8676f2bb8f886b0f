#pragma once

#include <QPixmap>
#include <QString>

class Picture;
class QVariant;

// The picture of a question: the file upload\ + subpic in the program
// folder. No picture (a null pixmap) when subpic is null, "NULL" or blank,
// names a path out of upload/, or the file is missing or unreadable.
QPixmap questionPicture(const QVariant &subpic);

// Shows the picture of a question in `pic`, read for the device pixel ratio
// `pic` is shown at (see Picture), and shows or hides `pic`: hidden when
// subpic names no picture; when it names one that cannot be shown (missing,
// unreadable, or out of upload/), the text "图片缺失：" and the name, and the
// file's path in the log.
void showQuestionPicture(Picture *pic, const QVariant &subpic);
