#pragma once

#include <QString>

namespace data {

// Who holds a bank's lock, as its lock file says.
struct LockHolder {
    qint64 pid = 0;
    QString host;
    qint64 uid = -1; // -1: not said
    QString user;
    QString since; // when it took the lock, ISO 8601
    QString bank;  // "device:inode" of the bank file it locked

    bool isThisUserHere() const;
    // "用户 pupil 在电脑 pc07 上的进程 4711（自 2025-05-20T08:00:00 起）"
    QString describe() const;
};

// The lock on a question bank, so that only one copy of the program (or
// qbank import) writes it at a time: a kernel lock (flock) on the bank's
// lock file. The kernel releases it when the process ends, however it ends,
// and a file system shared over the network passes it to the server, so a
// lock is held exactly as long as a copy that took it runs, on whichever
// computer and for whichever user, and a lock file left behind keeps nobody
// out. The file names the holder, for messages.
class BankLock {
public:
    enum class State {
        Taken,  // this object holds the lock until it is destroyed
        Held,   // a running copy holds it: holder() says who
        Failed, // the lock file cannot be made or locked: error() says why
    };

    explicit BankLock(const QString &bankFile);
    // Releases the lock and removes the lock file, unless the bank was found
    // damaged meanwhile (noteDamagedBank()): then the file stays, as a
    // killed run's does, and the next start checks the bank in full.
    ~BankLock();
    BankLock(const BankLock &) = delete;
    BankLock &operator=(const BankLock &) = delete;

    State state() const { return m_state; }
    // Held: who holds it. Taken: who took it last, from a file that a copy
    // left behind when it was killed (pid 0 when there was none).
    const LockHolder &holder() const { return m_holder; }
    // Taken from a lock file left behind: the run before did not end well.
    bool leftBehind() const { return m_holder.pid > 0 || !m_holder.host.isEmpty(); }
    int error() const { return m_error; }
    QString file() const { return m_file; }

    // Notes the bank file now at the bank's name in the lock file: after
    // the bank was replaced, the journals written from now on are its own.
    void noteBank();

private:
    void take();

    QString m_file;
    QString m_bankFile;
    State m_state = State::Failed;
    LockHolder m_holder;
    int m_error = 0;
    int m_fd = -1;
};

// This computer's name, as lock files give it.
QString localHostName();

} // namespace data
