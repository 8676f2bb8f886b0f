#pragma once

#include "table.h"

#include <QObject>

// The data module: the three tables every window shares. A filter, sort
// order or current row that one window sets stays until another changes it.
class Tado : public QObject {
    Q_OBJECT
public:
    explicit Tado(QObject *parent = nullptr);

    // Builds the program-wide connection string for the question bank in
    // the program folder and opens subject (by its index subId), sort
    // (sorted by sortId) and options.
    void FormCreate(const QString &programFolder);

    data::Table subject{QStringLiteral("subject")};
    data::Table sort{QStringLiteral("sort")};
    data::Table options{QStringLiteral("options")};
};
