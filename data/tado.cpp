#include "tado.h"

#include "connection.h"

using namespace Qt::StringLiterals;

Tado::Tado(QObject *parent) : QObject(parent)
{
    setObjectName(u"ado"_s);
}

void Tado::FormCreate(const QString &bankFolder, bool readOnly)
{
    data::setConnectionString(data::buildConnectionString(bankFolder, readOnly));
    const QString &connection = data::connectionString();
    subject.setConnectionString(connection);
    subject.setIndexName(u"subId"_s);
    subject.open();
    sort.setConnectionString(connection);
    sort.open();
    options.setConnectionString(connection);
    options.open();
    sort.setSort(u"sortId"_s);
}
