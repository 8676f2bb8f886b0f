#include "dbmessages.h"

#include "bankfiles.h"
#include "logging.h"

#include <QSqlError>

using namespace Qt::StringLiterals;

namespace data {
namespace {

// SQLite's primary result codes (the low byte of an extended code).
enum SqliteCode {
    kPerm = 3,
    kBusy = 5,
    kLocked = 6,
    kReadOnly = 8,
    kIoErr = 10,
    kCorrupt = 11,
    kFull = 13,
    kCantOpen = 14,
    kNotADb = 26,
};

DbCause causeOfCode(int code)
{
    switch (code & 0xff) {
    case kPerm:
    case kReadOnly: return DbCause::NoWritePermission;
    case kBusy:
    case kLocked: return DbCause::Locked;
    case kCorrupt:
    case kNotADb: return DbCause::Damaged;
    case kFull: return DbCause::DiskFull;
    case kCantOpen: return DbCause::CannotOpen;
    default: return DbCause::Other;
    }
}

DbCause causeOfText(const QString &text)
{
    const QString t = text.toLower();
    if (t.contains(u"readonly"_s) || t.contains(u"read-only"_s) || t.contains(u"permission"_s))
        return DbCause::NoWritePermission;
    if (t.contains(u"disk is full"_s) || t.contains(u"no space"_s))
        return DbCause::DiskFull;
    if (t.contains(u"malformed"_s) || t.contains(u"not a database"_s) || t.contains(u"corrupt"_s))
        return DbCause::Damaged;
    if (t.contains(u"locked"_s) || t.contains(u"busy"_s))
        return DbCause::Locked;
    if (t.contains(u"unable to open"_s))
        return DbCause::CannotOpen;
    return DbCause::Other;
}

struct Words {
    QString cause;
    QString advice;
};

Words wordsFor(DbCause cause)
{
    switch (cause) {
    case DbCause::NoWritePermission:
        return {u"题库文件不能写入（没有写入权限）"_s,
                u"请重新启动考试系统（本账户的题库副本会重新生成）；如果仍然不行，请学校管理员检查本账户能否写入这个文件和它所在的文件夹。"_s};
    case DbCause::DiskFull: return {u"磁盘已满"_s, u"请删除不需要的文件，腾出磁盘空间后再试。"_s};
    case DbCause::Damaged:
        return {u"题库文件已损坏或不是题库"_s,
                u"请重新启动考试系统：损坏的题库副本会自动重新生成；学校的题库损坏时，请学校管理员用 qbank install 重新安装题库。"_s};
    case DbCause::Locked:
        return {u"题库文件正被另一个程序占用"_s,
                u"请关闭其他正在使用题库的程序（例如另一个考试系统或 qbank），然后再试。"_s};
    case DbCause::CannotOpen:
        return {u"题库文件打不开（文件不存在，或者没有读取权限）"_s,
                u"请学校管理员检查题库文件是否还在、本账户能否读取它。"_s};
    case DbCause::Other: break;
    }
    return {u"题库读写出错"_s, u"请重新启动程序；如果问题仍然存在，请告诉学校管理员。"_s};
}

} // namespace

DbCause dbCause(const QSqlError &error)
{
    bool numeric = false;
    const int code = error.nativeErrorCode().toInt(&numeric);
    if (numeric && code != 0) {
        const DbCause cause = causeOfCode(code);
        if (cause != DbCause::Other)
            return cause;
    }
    return causeOfText(error.text());
}

QString dbMessage(const QString &what, const QString &file, const QSqlError &error)
{
    const DbCause cause = dbCause(error);
    if (cause == DbCause::Damaged)
        noteDamagedBank(file);
    const Words words = wordsFor(cause);
    const QString driver = error.text().trimmed();
    qCDebug(lcData).noquote() << what << file << u"code"_s << error.nativeErrorCode() << driver;
    QString text = u"%1：%2。题库文件：%3。%4"_s.arg(what, words.cause, file, words.advice);
    if (!driver.isEmpty())
        text += u"（%1）"_s.arg(driver);
    return text;
}

} // namespace data
