#pragma once

#include <QString>
#include <functional>

// Opens the exam window on the paper in note, for windows that are not part
// of the mock exam (the study sets): built afresh into its slot, its paper
// label set to `paperLabel` and its mode flag to `modeFlag`, then shown. The
// start-up code says how.
using ExamOpener = std::function<void(const QString &paperLabel, int modeFlag)>;
void setExamOpener(ExamOpener opener);
void openExamWindow(const QString &paperLabel, int modeFlag);
