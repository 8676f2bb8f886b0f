// main() of the test programs that drive windows: the program's application
// object, its fonts and test message boxes; every program folder a test makes
// is the program's folder while it lives.
#include "application.h"
#include "fonts.h"
#include "programfolder.h"
#include "testsupport.h"

int main(int argc, char **argv)
{
    app::Application application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    fonts::install();
    testing::installMessages();
    testing::setProgramFolderHooks([](const QString &folder) { app::setProgramFolder(folder); },
                                   [] {
                                       testing::tearDownProgram();
                                       app::setProgramFolder(QString());
                                   });
    return testing::runTests(argc, argv);
}
