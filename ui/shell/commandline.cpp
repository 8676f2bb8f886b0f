#include "commandline.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const char kUsage[] = "用法：theoryexam [选项]\n"
                      "\n"
                      "澄原市青岚驾校驾驶员理论模拟考试系统：模拟考试、练习题、试题浏览和帮助页面。\n"
                      "需要图形桌面。\n"
                      "\n"
                      "选项：\n"
                      "  -h, --help           显示这段说明\n"
                      "  -v, --version        显示版本\n"
                      "  --quit-after-show    主界面第一次画好后就退出（测量启动时间用）\n"
                      "\n"
                      "题库、图片和 system.ini 从哪里读取、学员的题库副本放在哪里，见 man theoryexam。\n";

const char kNoDisplay[] = "theoryexam：找不到可以显示窗口的图形桌面（%s）。\n"
                          "考试系统要在图形桌面里启动：请登录桌面后从菜单打开“青岚驾校理论模拟考试”。\n";

[[noreturn]] void noDisplay(const char *why)
{
    std::fprintf(stderr, kNoDisplay, why);
    std::fflush(stderr);
    std::_Exit(1);
}

QtMessageHandler g_previous = nullptr;

// Qt ends the program with a fatal message when no platform plug-in can
// reach a display (a DISPLAY that no X server answers).
void onQtMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg && message.contains(QStringLiteral("platform plugin")))
        noDisplay("无法连接到显示器");
    if (g_previous)
        g_previous(type, context, message);
}

bool hasEnv(const char *name)
{
    return !qEnvironmentVariableIsEmpty(name);
}

} // namespace

std::optional<int> answerBeforeStart(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0 || std::strcmp(argv[i], "-v") == 0) {
            std::printf("theoryexam %s\n", EXAM_VERSION);
            return 0;
        }
    }
    // Qt on Linux draws on X11 unless told otherwise (QT_QPA_PLATFORM, or
    // -platform among the arguments); X11 needs DISPLAY.
    bool platformGiven = hasEnv("QT_QPA_PLATFORM");
    for (int i = 1; i < argc; ++i)
        platformGiven = platformGiven || std::strcmp(argv[i], "-platform") == 0;
    if (!platformGiven && !hasEnv("DISPLAY") && !hasEnv("WAYLAND_DISPLAY")) {
        std::fprintf(stderr, kNoDisplay, "DISPLAY 没有设置");
        return 1;
    }
    return std::nullopt;
}

void explainMissingDisplay()
{
    g_previous = qInstallMessageHandler(onQtMessage);
}
