#pragma once

#include "rawbank.h"

#include <QByteArray>
#include <QString>
#include <functional>

namespace qbank {

// A JSON text, read where it stands: the bytes are checked to be UTF-8
// without NUL bytes before anything else, every syntax error is told in
// Chinese with its line and column, numbers keep the digits they were
// written with, and what is skipped is checked without being built or
// recursed into (any depth, any length).
class JsonText {
public:
    // Throws AppError when the bytes are no UTF-8 text (UTF-16, GBK, a NUL byte).
    JsonText(const QByteArray &bytes, const QString &source);

    qsizetype pos() const { return m_pos; }
    void seek(qsizetype pos) { m_pos = pos; }

    // The first byte of the next token, blanks skipped; 0 at the end.
    char next();
    // The value at the cursor: an array or object is skipped and named.
    Value value();
    // Checks and skips the value at the cursor.
    void skip();
    // The members of the object at the cursor: `member` gets each key with
    // the cursor on its value, and must read or skip that value.
    void members(const std::function<void(const QString &key)> &member);
    // The elements of the array at the cursor, each read or skipped by
    // `element`, which gets its index.
    void elements(const std::function<void(qsizetype index)> &element);
    // Nothing but blanks is left.
    void end();

    // Throws AppError naming the source, the line and column of byte `at`
    // and `what`.
    [[noreturn]] void fail(qsizetype at, const QString &what) const;

private:
    void checkEncoding();
    [[noreturn]] void syntax(qsizetype at, const QString &what) const;
    // What stands at a position, for messages: "“，”", "文件末尾".
    QString shown(qsizetype at) const;
    void expect(char c, const QString &instead);
    // After "," or at the first member: a key and its colon.
    QString key();
    QString string();
    void skipString();
    // After a member or an element: true when `close` ends the object or
    // array (and is taken); false when a comma (taken) comes before the next.
    bool closes(char close);
    Value number();
    void literal(const char *word);

    QByteArray m_bytes;
    QString m_source;
    const char *m_data = nullptr;
    qsizetype m_size = 0;
    qsizetype m_start = 0; // after a byte-order mark
    qsizetype m_pos = 0;
};

} // namespace qbank
