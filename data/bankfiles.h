#pragma once

#include <QString>

namespace data {

// A picture's 2x partner, drawn at twice its size for display scales above
// 100 %: "sign@2x.jpg" for "sign.jpg" (Qt's convention).
QString twoTimesFile(const QString &file);

// The lock file that keeps a second copy of the program (and qbank import)
// off a question bank while one copy works on it: the bank's name + ".lock".
QString lockFileName(const QString &bankFile);

// Removes what SQLite may have left beside a bank (the write-ahead log, its
// index, a rollback journal). Only for a bank that is being replaced while
// nobody has it open: such files left beside a new bank would be applied to
// it. Returns false when one of them could not be removed.
bool removeJournals(const QString &bankFile);

// Removes a write-ahead log that cannot be the bank's own: SQLite replays
// any log it finds beside a database, and a bank that was replaced while a
// killed run's log stayed behind would get that run's rows. A bank whose
// header says it is in the plain rollback journal was never written through
// a log since it was last closed: the program switches a bank to the log by
// rewriting that header first, and back only after the log is gone. Call it
// only while holding the bank's lock.
void discardForeignJournals(const QString &bankFile);

// A file's place on its disk, "device:inode", which a file put in its place
// under the same name does not share; empty when there is no such file.
QString fileIdentity(const QString &file);

// A bank found damaged while in use (SQLite said so): its lock file is left
// behind when the run ends, so that the next start checks it in full.
void noteDamagedBank(const QString &bankFile);
bool damagedInUse(const QString &bankFile);

// Where the installed program finds the school's own files beside the
// package's: its settings, the bank put in place by qbank install (with its
// pictures), and a bank installed by a school's bank package. Each folder
// ends in a separator.
struct SchoolFolders {
    QString settings;    // system.ini: /etc/qinglan-exam/
    QString state;       // the school's bank lives in state + "bank/": /var/lib/qinglan-exam/
    QString packageBank; // a bank package's data.db and upload/: /usr/share/qinglan-exam/bank/

    QString schoolBank() const { return state + QStringLiteral("bank/"); }
};
const SchoolFolders &schoolFolders();
// The folders of the installed program, whatever tests point elsewhere.
SchoolFolders installedSchoolFolders();
// Points them elsewhere (tests); an empty settings folder restores the
// installed ones.
void setSchoolFolders(const SchoolFolders &folders);

// A system error number in words for the pupil or the school's staff:
// 没有写入权限, 磁盘已满, 文件夹不存在, ...
QString systemErrorText(int error);

// Whether the folder is on a file system shared over the network (NFS, SMB,
// and the like), where SQLite's write-ahead log must not be used: its index
// is shared memory, which other computers do not see.
bool isNetworkFileSystem(const QString &folder);

// Copies a file in full to `to`: into a new file beside it, synced, then
// renamed into place, so `to` is never half written. The copy's mode is
// read-write for its owner only. Throws AppError naming the file and the
// cause (磁盘已满, 没有写入权限, ...).
void copyFileAtomically(const QString &from, const QString &to);

// Puts a folder's entries on disk (new and renamed names), as far as it can.
void syncFolder(const QString &folder);

} // namespace data
