#pragma once

#include <QLoggingCategory>

// The question bank's log: debug output (off by default) tells which file is
// opened and how each database failure was read.
Q_DECLARE_LOGGING_CATEGORY(lcData)
