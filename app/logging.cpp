#include "logging.h"

// Information and above by default, to standard error (the desktop session's
// journal keeps it); QT_LOGGING_RULES="qinglan.*.debug=true" adds the debug
// output.
Q_LOGGING_CATEGORY(lcApp, "qinglan.app", QtInfoMsg)
Q_LOGGING_CATEGORY(lcUi, "qinglan.ui", QtInfoMsg)
