#include "benchsupport.h"

#include "application.h"
#include "errorpolicy.h"
#include "fonts.h"
#include "programfolder.h"
#include "roster.h"

#include <QApplication>
#include <cstdio>
#include <memory>

namespace bench {

void PrintedMessages::error(const QString &text)
{
    std::fprintf(stderr, "error: %s\n", qPrintable(text));
}

int runOnBanks(int argc, char **argv, const BankRun &run, const std::vector<int> &exams)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    app::Application application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    fonts::install();
    app::setMessages(std::make_unique<PrintedMessages>());
    return forEachBank(
        argc, argv,
        [&run](const QString &name, const BankFolder &folder) {
            app::setProgramFolder(folder.path());
            run(name, folder);
            app::roster().clear();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            app::setProgramFolder(QString());
        },
        exams);
}

} // namespace bench
