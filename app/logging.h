#pragma once

#include <QLoggingCategory>

// Start-up: where the question bank lives, the lock, the translation.
Q_DECLARE_LOGGING_CATEGORY(lcApp)
// The windows: every error shown in the error box.
Q_DECLARE_LOGGING_CATEGORY(lcUi)
