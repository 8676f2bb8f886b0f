#pragma once

#include <QString>

class QSqlError;

namespace data {

// What stands behind a failed database operation, as far as the pupil or the
// school's staff can do something about it.
enum class DbCause {
    NoWritePermission, // the file or its folder cannot be written
    DiskFull,
    Damaged,    // not an SQLite file, or a damaged one
    Locked,     // another program holds the file
    CannotOpen, // missing, unreadable, or a folder that cannot be entered
    Other,
};

// Tells the cause from SQLite's result code, or from the driver's text when
// the error carries no code.
DbCause dbCause(const QSqlError &error);

// A database failure in plain Chinese: what failed, the cause, the file and
// what to do, then the driver's own text in parentheses, e.g.
//   无法保存答案：题库文件不能写入（没有写入权限）。题库文件：/home/pupil/.../data.db。
//   请学校管理员……（attempt to write a readonly database）
// `what` says what the program was doing ("无法打开题库").
QString dbMessage(const QString &what, const QString &file, const QSqlError &error);

} // namespace data
