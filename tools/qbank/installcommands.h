#pragma once

#include <QString>
#include <QStringList>

// The commands with which a school puts its bank where the installed program
// takes it: install, uninstall and package. Each reads its arguments
// (without the command's name), prints in Chinese and returns the exit
// status: 0 done, 1 wrong arguments, 3 the bank has findings (listed) and
// nothing was done. A bank that cannot be read or a result that cannot be
// written throws, and qbank's main() reports it with status 2, as for every
// command.
namespace qbank {

int runInstallCommand(const QStringList &args);
int runUninstallCommand(const QStringList &args);
int runPackageCommand(const QStringList &args);

// The lines these commands add to qbank's usage.
QString installCommandsUsage();

} // namespace qbank
