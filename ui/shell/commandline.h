#pragma once

#include <optional>

// What the program answers before it opens a window: "--help" and
// "--version" print their text and end it (status 0), and without a display
// to open windows on it says so in Chinese and ends with status 1, instead
// of Qt's English message and an abort. Otherwise nothing: the program
// starts. Call it first thing in main(); the display is judged again while
// the application object is made.
std::optional<int> answerBeforeStart(int argc, char **argv);

// Makes a failure to reach the display while the application object is
// made end the program as answerBeforeStart() does; call it just before.
void explainMissingDisplay();
