// Opens the exam window on the paper in the program folder given as the
// first argument, answers the first question with the keypad keys given
// next (virtual-key codes; keypad 4 when none) and is killed at once, as a
// crash or a power cut would end the program. Run by the exam tests.
#include "application.h"
#include "errorpolicy.h"
#include "programfolder.h"
#include "roster.h"
#include "tado.h"
#include "tmnks.h"

#include <QPushButton>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

class FailingMessages : public app::Messages {
public:
    void error(const QString &text) override
    {
        std::fprintf(stderr, "error: %s\n", qPrintable(text));
        std::exit(3);
    }
    bool confirm(const QString &, const QString &) override { return false; }
    void notice(const QString &) override {}
};

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2)
        return 2;
    app::Application application(argc, argv);
    app::setMessages(std::make_unique<FailingMessages>());
    const QString folder = QString::fromLocal8Bit(argv[1]);
    app::setProgramFolder(folder);
    auto *ado = new Tado;
    app::roster().put(app::Slot::ado, ado);
    app::guarded([&] { ado->FormCreate(app::programFolder()); });
    auto *exam = app::build<Tmnks>();
    if (argc == 2)
        exam->FormKeyDown(app::vk::Numpad4);
    for (int i = 2; i < argc; ++i)
        exam->FormKeyDown(std::atoi(argv[i]));
    std::raise(SIGKILL);
    return 1;
}
