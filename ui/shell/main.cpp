// The composition root: the only place that knows every window.
#include "application.h"
#include "bankplace.h"
#include "commandline.h"
#include "connection.h"
#include "fonts.h"
#include "quitaftershow.h"
#include "roster.h"
#include "startup.h"

int main(int argc, char **argv)
{
    if (const std::optional<int> status = answerBeforeStart(argc, argv))
        return *status;
    explainMissingDisplay();
    app::Application application(argc, argv);
    qInstallMessageHandler(nullptr);
    // Only the main menu ends the program, whatever other windows are open.
    QApplication::setQuitOnLastWindowClosed(false);
    app::installQtTranslation();
    fonts::install();
    app::BankPlace bank;
    if (!app::claimBank(bank))
        return 1;
    startUp();
    quitAfterShowIfAsked();
    app::showSlot(app::Slot::main);
    const int status = application.exec();
    app::roster().clear();
    data::closeAllConnections();
    return status;
}
