#include "startup.h"

#include "bankplace.h"
#include "examopener.h"
#include "roster.h"
#include "tado.h"
#include "tdtjq.h"
#include "tjtbz.h"
#include "tjxjs.h"
#include "tmain.h"
#include "tmnks.h"
#include "txccx.h"
#include "txtxx.h"

#include <QLabel>
#include <QPixmapCache>

void startUp()
{
    // QPixmap(file) keeps every picture it loads in the pixmap cache, up to
    // 10 MiB by default: over an exam or a browse, the question pictures came
    // to hold several MB long after they were shown. The windows' own
    // pictures are shared apart (sharedPicture()); the cache keeps a few
    // recent question pictures and the style's small pixmaps.
    QPixmapCache::setCacheLimit(1024);
    setExamOpener([](const QString &paperLabel, int modeFlag) {
        auto *exam = app::build<Tmnks>();
        exam->lb_kscx->setText(paperLabel);
        exam->setTag(modeFlag);
        app::showWindow(exam);
    });
    app::build<Tmain>();
    app::build<Tjtbz>();
    app::build<Tjxjs>();
    app::build<Txccx>();
    // The data module comes before the study-set choice, which opens its
    // cursor with the connection string built here. The bank is the one
    // claimed for this run: the program folder's, or the pupil's own copy.
    auto *ado = new Tado;
    app::roster().put(app::Slot::ado, ado);
    app::guarded([ado] { ado->FormCreate(app::bankFolder()); });
    app::roster().get<Tmain>()->showExamChoice();
    app::build<Tdtjq>();
    app::build<Txtxx>();
}
