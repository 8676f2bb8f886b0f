#pragma once

#include "bankinstall.h"

#include <QString>

namespace qbank {

// What a school's bank package is made of.
struct PackageRequest {
    QString name;       // the school's short name: the package is qinglan-exam-bank-<name>
    QString version;    // the package's version
    QString maintainer; // "Name <address>"; empty: see packageMaintainer
    QString outputFolder;
};

// The package's name for a school's short name.
QString bankPackageName(const QString &school);

// The package's Maintainer: the one asked for, else DEBFULLNAME <DEBEMAIL>
// as Debian's tools take them, else the school's name and root@localhost.
QString packageMaintainer(const PackageRequest &request);

// Why the short name or version cannot make a Debian package; empty when
// they can.
QString packageRequestProblem(const PackageRequest &request);

// Makes a Debian package (Architecture: all, built by dpkg-deb) that holds
// a checked bank and its pictures as its own files where the installed
// program takes a bank package's bank, depends on the program's package,
// and conflicts with any other school's bank package. Installing it on every
// computer of a room through the school's apt repository is the whole
// roll-out. Returns the package file's path. Throws AppError when dpkg-deb
// is missing or fails.
QString makeBankPackage(const CheckedBank &checked, const PackageRequest &request);

} // namespace qbank
