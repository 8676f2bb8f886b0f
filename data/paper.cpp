#include "paper.h"

#include "connection.h"
#include "table.h"

namespace data {

void writePaper(Table &note, const std::function<void()> &fill)
{
    note.open();
    try {
        Transaction transaction(note.connectionString());
        note.first();
        while (!note.eof())
            note.remove();
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
