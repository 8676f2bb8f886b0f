#pragma once

#include <QString>

class QSqlDatabase;

namespace data {

// The connection string every cursor of the program opens the question bank
// with. It names the provider, the database file and the access mode, in the
// form "Key=Value;Key=Value;". A bank opened read-only (Mode=Read) is only
// read: every write is refused with the text of setWriteRefusal().
QString buildConnectionString(const QString &programFolder, bool readOnly = false);

// Why the banks opened read-only cannot be written, in words for the pupil
// (where a paper could be kept, and what stands in the way).
void setWriteRefusal(const QString &text);

// The program-wide connection string, built once by the data module.
const QString &connectionString();
void setConnectionString(const QString &text);

// The open database connection for a connection string; opened on first use
// and shared by every cursor that uses the same string. Throws AppError when
// the string is malformed, the file is missing or is not a question bank.
QSqlDatabase database(const QString &connection);

// Readies the bank of a connection string for writing: the first write of a
// run switches a bank the program may write to SQLite's write-ahead journal
// (one sync per write), unless the bank is on a network file system, where
// it keeps the rollback journal. Transactions and the cursor's writes call it; after
// the first time it does nothing.
void prepareForWriting(const QString &connection);

// The database file a connection string names.
QString databaseFile(const QString &connection);

// Closes every connection opened through database(), leaving each bank the
// program wrote to in the plain rollback-journal mode, as one file. Cursors
// must be closed first.
void closeAllConnections();

// One transaction on the database of a connection string: either commit()
// runs, or everything written since the constructor is rolled back.
class Transaction {
public:
    explicit Transaction(const QString &connection);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    void commit();

private:
    QString m_connection;
    bool m_done = false;
};

} // namespace data
