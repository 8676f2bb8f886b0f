#pragma once

#include <functional>

namespace data {

class Table;

// Replaces the exam paper in table note in one transaction: the cursor (with
// its connection string set) is opened afresh, every row is deleted,
// fill() appends the new rows through it, the last row is posted and the
// cursor closed. When anything fails, the old paper stays as it was, the
// cursor is closed and the error goes on to the caller.
void writePaper(Table &note, const std::function<void()> &fill);

} // namespace data
