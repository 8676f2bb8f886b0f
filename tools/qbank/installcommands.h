#pragma once

#include <QString>
#include <QStringList>

// The commands with which a school puts its bank where the installed program
// takes it: install, uninstall and package. Each reads its arguments
// (without the command's name), prints in Chinese and returns the exit
// status: 0 done, 1 wrong arguments, 2 the bank cannot be read or the result
// cannot be written, 3 the bank has findings (listed) and nothing was done.
namespace qbank {

int runInstallCommand(const QStringList &args);
int runUninstallCommand(const QStringList &args);
int runPackageCommand(const QStringList &args);

// The lines these commands add to qbank's usage.
QString installCommandsUsage();

} // namespace qbank
