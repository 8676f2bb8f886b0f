#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace data {

// The errorTimes of the question at `rank` (from 1) when the questions are
// ordered by errorTimes, highest first; of the last question when the bank
// holds fewer; nothing when it holds none. The order among equal counts does
// not change the value, so it is read from the errorTimes index alone: one
// step per rank, whatever the size of the bank. A null count is an error.
// With `sortIds` given, only the questions of those types count.
std::optional<qint64> errorTimesAtRank(const QString &connection, int rank,
                                       const std::vector<qint64> &sortIds = {});

} // namespace data
