#pragma once

#include <QString>
#include <memory>

namespace data {
class BankLock;
}

namespace app {

// The user's own data folder, where the copy of a bank that the user cannot
// write is kept, unless set otherwise (tests): "qinglan-exam" in the user's
// data location (~/.local/share/qinglan-exam/), which is what
// QStandardPaths::AppDataLocation gives for an application of that name. The
// application's own name is the Chinese title, which a folder name should
// not be. Ends in a separator.
QString userDataFolder();
void setUserDataFolder(const QString &folder);

// Whether the program folder is the package's own: anything under /usr/,
// which nobody writes at run time, root included. Tests point that tree
// elsewhere (empty: /usr/ again).
bool programFolderIsPackaged();
void setPackageTree(const QString &folder);

// Whether the program runs installed: from the package's folder, or from a
// folder its user cannot write. Then the school's places count (see
// bankSourceFolder() and settingsFile()) and the bank is never written in
// place.
bool programFolderIsInstalled();

// Where the bank comes from: installed, the first of the school's bank
// (qbank install), a school's bank package and the program folder that
// holds a data.db; otherwise the program folder. Ends in a separator.
QString bankSourceFolder();

// system.ini: installed, the school's /etc/qinglan-exam/system.ini when it is
// there; otherwise (and without it) the program folder's.
QString settingsFile();

// The question bank of one run of the program: which data.db it works on,
// and the lock that keeps a second copy of the program off it.
//
// The bank is used in place when the program is not installed and the user
// owns the program folder's data.db and can write both it and the folder
// (SQLite writes its journals beside the file), and the folder is not shared
// with others who can write it: the build folder, a USB stick. Otherwise the program works on its own copy in the user's data
// folder, made from the bank at the first start and made again whenever the
// bank it came from is another file or has changed, or the copy can no
// longer be read and written. At every start the bank worked on is checked
// (in full after a run that did not end well); a damaged copy is set aside
// (data.db.damaged-<time>) and made again, a damaged bank of the school's is
// never written to.
class BankPlace {
public:
    enum class Outcome {
        Ready,           // folder() holds the bank, locked for this run
        Busy,            // another copy of this user's runs on this computer
        NoWritablePlace, // the bank can only be read in this run; problem() says why
    };

    BankPlace();
    ~BankPlace(); // releases the lock
    BankPlace(const BankPlace &) = delete;
    BankPlace &operator=(const BankPlace &) = delete;

    // Chooses the bank, locks it and makes, renews or mends the copy.
    Outcome claim();

    // The folder whose data.db the program works on, ending in a separator.
    QString folder() const { return m_folder; }
    // The folder of the bank it came from, whose upload/ holds the pictures.
    QString source() const { return m_source; }
    bool isCopy() const { return m_copy; }
    // Only read in this run (NoWritablePlace, or a bank that is damaged).
    bool readOnly() const { return m_readOnly; }
    // What stands in the way, in words for the pupil: why this copy must
    // end (Busy) or why nothing can be written (NoWritablePlace).
    QString problem() const { return m_problem; }
    // What the pupil is told once, though the program goes on: a damaged
    // copy that was made again, a damaged bank of the school's.
    QString notice() const { return m_notice; }

private:
    Outcome claimInPlace(const QString &programDir);
    Outcome claimCopy(const QString &source);
    // Takes the lock of the bank in `folder`; on failure returns what the
    // claim comes to (Busy or NoWritablePlace).
    bool lock(const QString &folder, Outcome *outcome);
    Outcome settle(Outcome outcome, const QString &folder, bool copy);
    // Removes journals beside the bank that are not its own (see
    // data::discardForeignJournals), under the bank's lock.
    void forgetOtherJournals(const QString &bank);
    Outcome readOnlyRun(const QString &problem);

    QString m_source;
    QString m_folder;
    bool m_copy = false;
    bool m_readOnly = false;
    QString m_problem;
    QString m_notice;
    std::unique_ptr<data::BankLock> m_lock;
};

// The folder whose data.db the program works on: that of the place claimed
// at start-up, or the program folder while none is claimed (tests).
QString bankFolder();
// Whether that bank is only read in this run.
bool bankReadOnly();
// The folder the question pictures are read from: upload/ beside the bank
// the run's bank came from. Ends in a separator.
QString pictureFolder();

// Claims the bank at start-up and tells the user what stands in the way.
// False when another copy of this user's program works on the bank on this
// computer: it says "考试系统已经在运行。", names the bank, and this copy
// must end. Otherwise the error box or a notice says what the pupil needs to
// know and the program goes on.
bool claimBank(BankPlace &place);

} // namespace app
