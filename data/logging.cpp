#include "logging.h"

// Information and above by default; QT_LOGGING_RULES="qinglan.*.debug=true"
// turns on the debug output.
Q_LOGGING_CATEGORY(lcData, "qinglan.data", QtInfoMsg)
