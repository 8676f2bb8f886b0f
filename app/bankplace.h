#pragma once

#include <QString>
#include <memory>

class QLockFile;

namespace app {

// The user's own data folder, where the copy of a bank that the user cannot
// write is kept, unless set otherwise (tests): "qinglan-exam" in the user's
// data location (~/.local/share/qinglan-exam/), which is what
// QStandardPaths::AppDataLocation gives for an application of that name. The
// application's own name is the Chinese title, which a folder name should
// not be. Ends in a separator.
QString userDataFolder();
void setUserDataFolder(const QString &folder);

// The question bank of one run of the program: which data.db it works on,
// and the lock that keeps a second copy of the program off it.
//
// The bank is used in place when the user can write both the program
// folder's data.db and the folder itself (SQLite writes its journals beside
// the file). Otherwise the program works on its own copy in the user's data
// folder, made from the shipped data.db at the first start and made again
// whenever the shipped file's size or modification time differ from those
// noted beside the copy, or the copy can no longer be read and written. Pictures, help pages and system.ini are always read
// from the program folder.
class BankPlace {
public:
    enum class Outcome {
        Ready,           // folder() holds the bank, locked for this run
        Busy,            // another copy of the program works on the bank
        NoWritablePlace, // nowhere to write a paper; problem() says why
    };

    BankPlace();
    ~BankPlace(); // releases the lock
    BankPlace(const BankPlace &) = delete;
    BankPlace &operator=(const BankPlace &) = delete;

    // Chooses the bank, locks it and makes or renews the copy. Without a
    // writable place the shipped bank is used as it is (it can only be read).
    Outcome claim();

    // The folder whose data.db the program works on, ending in a separator.
    QString folder() const { return m_folder; }
    bool isCopy() const { return m_copy; }
    // What stands in the way (Busy, NoWritablePlace), in words for the pupil.
    QString problem() const { return m_problem; }

private:
    enum class Lock { Taken, Busy, Failed };
    Lock lock(const QString &folder);
    Outcome settle(Outcome outcome, const QString &folder, bool copy, const QString &problem = QString());

    QString m_folder;
    bool m_copy = false;
    QString m_problem;
    std::unique_ptr<QLockFile> m_lock;
};

// The folder whose data.db the program works on: that of the place claimed
// at start-up, or the program folder while none is claimed (tests).
QString bankFolder();

// Claims the bank at start-up and tells the user what stands in the way.
// False when another copy of the program works on the bank: it says
// "考试系统已经在运行。" and this copy must end. Without a writable place the
// error box says why and the program goes on.
bool claimBank(BankPlace &place);

} // namespace app
