#include "paper.h"

#include "connection.h"
#include "table.h"

namespace data {

void writePaper(Table &note, const std::function<void()> &fill)
{
    try {
        Transaction transaction(note.connectionString());
        // A cursor opened long ago knows only the rows of its time: read
        // them afresh, so that every row of the old paper goes.
        note.close();
        note.open();
        note.clear();
        fill();
        note.post();
        transaction.commit();
    } catch (...) {
        // What the cursor holds no longer matches the table.
        note.cancel();
        note.close();
        throw;
    }
    note.close();
}

} // namespace data
