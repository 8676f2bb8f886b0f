#pragma once

#include "table.h"

#include <QObject>

// The data module: the three tables every window shares. A filter, sort
// order or current row that one window sets stays until another changes it.
class Tado : public QObject {
    Q_OBJECT
public:
    explicit Tado(QObject *parent = nullptr);

    // Builds the program-wide connection string for the question bank
    // data.db in the folder (the program folder, or the pupil's own copy
    // when the program folder cannot be written) and opens subject (by its
    // index subId), sort (sorted by sortId) and options. A bank opened
    // read-only is never written.
    void FormCreate(const QString &bankFolder, bool readOnly = false);

    data::Table subject{QStringLiteral("subject")};
    data::Table sort{QStringLiteral("sort")};
    data::Table options{QStringLiteral("options")};
};
