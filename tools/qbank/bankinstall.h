#pragma once

#include "bank.h"
#include "bankcheck.h"

#include <QString>
#include <vector>

namespace qbank {

// A bank checked for installing: what check finds in it, with the pictures
// when a folder is given, and, when it finds nothing, the bank itself.
struct CheckedBank {
    std::vector<Finding> findings;
    Bank bank;
    QString pictures; // the folder the pictures come from; empty: none
};

// Reads a JSON bank or a data.db and checks it as check does. Throws
// AppError when it cannot be read at all or the pictures folder is missing.
CheckedBank checkForInstall(const QString &bankFile, const QString &pictures);

// Writes a checked bank as a bank folder: data.db and upload/ with the
// pictures its questions name, readable by everyone. Returns the number of
// pictures.
int writeBankFolder(const CheckedBank &checked, const QString &folder);

// Puts a bank without findings in the school's place, stateFolder + "bank/",
// where the installed program takes it: built complete in a new folder
// beside it, then the school's place (a link) switched to it in one step, so
// a program that starts meanwhile gets the old bank or the new one, never a
// part; the old one is removed after. Returns the number of pictures
// installed. A bank with findings is refused: throws AppError, leaving the
// school's bank as it was, as every other failure does.
int installBank(const CheckedBank &checked, const QString &stateFolder);

// Removes the school's bank, so that the program goes back to the bank of a
// bank package or its own. Returns false when there was none.
bool uninstallBank(const QString &stateFolder);

} // namespace qbank
