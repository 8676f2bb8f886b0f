#include "application.h"
#include "fonts.h"
#include "quitaftershow.h"
#include "roster.h"
#include "startup.h"

int main(int argc, char **argv)
{
    app::Application application(argc, argv);
    // Only the main menu ends the program, whatever other windows are open.
    QApplication::setQuitOnLastWindowClosed(false);
    fonts::install();
    startUp();
    quitAfterShowIfAsked();
    app::showSlot(app::Slot::main);
    const int status = application.exec();
    app::roster().clear();
    return status;
}
