#include "startup.h"

#include "programfolder.h"
#include "roster.h"
#include "tado.h"
#include "tdtjq.h"
#include "tjtbz.h"
#include "tjxjs.h"
#include "tmain.h"
#include "txccx.h"
#include "txtxx.h"

void startUp()
{
    app::build<Tmain>();
    app::build<Tjtbz>();
    app::build<Tjxjs>();
    app::build<Txccx>();
    // The data module comes before the study-set choice, which opens its
    // cursor with the connection string built here.
    auto *ado = new Tado;
    app::roster().put(app::Slot::ado, ado);
    app::guarded([ado] { ado->FormCreate(app::programFolder()); });
    app::build<Tdtjq>();
    app::build<Txtxx>();
}
