#include "txtxx.h"

#include "connection.h"

using namespace Qt::StringLiterals;

Txtxx::Txtxx(QWidget *parent) : Form(parent)
{
    setObjectName(u"xtxx"_s);
    setupWindow(Frame::None, TitleButtons::None, QSize(792, 576), false);
    setKeyPreview(true);
}

void Txtxx::FormCreate()
{
    ADO_note.setConnectionString(data::connectionString());
    ADO_note.open();
    ADO_note.setSort(u"noteId"_s);
}
