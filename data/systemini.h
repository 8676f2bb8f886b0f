#pragma once

#include <QString>

namespace data {

// The exam durations and the pass mark from system.ini.
struct ExamSettings {
    static constexpr int kDefaultDuration = 5400;         // seconds
    static constexpr int kDefaultPassMark = 90;           // points
    static constexpr int kDefaultSubject4Duration = 1800; // seconds: 科目四's 30 minutes

    int duration = kDefaultDuration;
    int passMark = kDefaultPassMark;
    int subject4Duration = kDefaultSubject4Duration;

    // The duration of an exam (科目一 or 科目四).
    int durationOf(int exam) const;
};

// Reads system.ini as plain lines: a line containing "alltime" gives the
// duration after its first 8 characters, one containing "mark" the pass mark
// after its first 5; the last such line counts. Any fault (no file, a line
// missing, a value that is not a whole number) gives both defaults. A line
// containing "km4time" gives 科目四's duration after its first 8 characters
// (km4time=1800); without it, or with a value that is not a whole number,
// 科目四 takes its 30 minutes, whatever the other two lines hold.
ExamSettings readSystemIni(const QString &path);

} // namespace data
