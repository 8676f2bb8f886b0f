#pragma once

#include <QString>

namespace data {

// The exam duration and the pass mark from system.ini.
struct ExamSettings {
    static constexpr int kDefaultDuration = 5400; // seconds
    static constexpr int kDefaultPassMark = 90;   // points

    int duration = kDefaultDuration;
    int passMark = kDefaultPassMark;
};

// Reads system.ini as plain lines: a line containing "alltime" gives the
// duration after its first 8 characters, one containing "mark" the pass mark
// after its first 5; the last such line counts. Any fault (no file, a line
// missing, a value that is not a whole number) gives both defaults.
ExamSettings readSystemIni(const QString &path);

} // namespace data
