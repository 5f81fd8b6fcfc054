#include "platform/application.h"
#include "platform/scriptedplatform.h"
#include "tools/play/player.h"

#include <QFile>
#include <QStringList>

#include <cstdio>
#include <cstring>

namespace {

// The offscreen platform warns about every window feature it lacks; standard error is kept
// for the script's errors and for real warnings.
QtMessageHandler standardHandler = nullptr;

void filterMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QStringLiteral("This plugin does not support")) ||
        message.startsWith(QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    if (standardHandler) standardHandler(type, context, message);
}

const char usage[] =
    "usage: zerval-play [SCRIPT]\n"
    "       zerval-play --help | --version\n"
    "\n"
    "Runs a script (a file, or standard input when SCRIPT is missing or \"-\") against\n"
    "zerval's windows on Qt's offscreen platform, unless QT_QPA_PLATFORM names another.\n"
    "One command a line; \"#\" starts a comment. Exit status: 0 when every check passed,\n"
    "1 when one failed, 2 for a script error or a bad command line.\n"
    "\n"
    "Set-up:    sep C, env NAME VALUE, unenv NAME, clock SECONDS,\n"
    "           calculator PROGRAM|none, desktopwindow TITLE, restart\n"
    "Windows:   open CLASS, menu CAPTION..., popup CAPTION..., menus [popup], close\n"
    "Keyboard:  focus CONTROL, type TEXT, key NAME, select START LENGTH, selectall,\n"
    "           paste TEXT, setclip TEXT\n"
    "Mouse:     click CONTROL [X Y], rclick CONTROL [X Y], drag CONTROL X1 Y1 X2 Y2,\n"
    "           wheel CONTROL DELTA, pick CONTROL ITEM, cell GRID COL ROW,\n"
    "           tab CONTROL PAGE, slide CONTROL POS\n"
    "Others:    answer FILE|cancel, navigate URL\n"
    "Printing:  show [CONTROL...], size, focused, state CONTROL, tip CONTROL, grid GRID,\n"
    "           style CONTROL, messages, clipboard, opened, browsed, tempfile NAME,\n"
    "           shot FILE.png\n"
    "Checks:    expect CONTROL TEXT, expectmsg CAPTION TEXT, nomsg, expectfocus CONTROL,\n"
    "           expectstyle|expectstate|expecttip CONTROL TEXT, expectclip TEXT,\n"
    "           expectopened TEXT, expectbrowsed TEXT, expecttemp NAME TEXT\n"
    "\n"
    "See zerval-play(1) for each command.\n";

} // namespace

// zerval-play [SCRIPT]: runs a script (a file, or standard input) against the program's
// windows on Qt's offscreen platform, unless QT_QPA_PLATFORM names another.
int main(int argc, char** argv) {
    // Answered before any window machinery starts, so that they work without a display.
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        std::fputs(usage, stdout);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::puts("zerval-play " ZERVAL_VERSION);
        return 0;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    standardHandler = qInstallMessageHandler(filterMessages);
    zerval::Application application(argc, argv);

    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 2) {
        std::fputs("usage: zerval-play [SCRIPT]\n"
                   "Try 'zerval-play --help' for the commands.\n",
                   stderr);
        return 2;
    }
    if (arguments.size() == 2 && arguments[1].startsWith(QLatin1Char('-')) &&
        arguments[1] != QStringLiteral("-")) {
        std::fprintf(stderr,
                     "zerval-play: unknown option %s\n"
                     "Try 'zerval-play --help' for the commands.\n",
                     qPrintable(arguments[1]));
        return 2;
    }
    QFile file;
    const bool fromInput = arguments.size() < 2 || arguments[1] == QStringLiteral("-");
    if (fromInput)
        file.open(stdin, QIODevice::ReadOnly);
    else
        file.setFileName(arguments[1]);
    if (!fromInput && !file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "zerval-play: cannot read %s\n", qPrintable(arguments[1]));
        return 2;
    }
    const QString script = QString::fromUtf8(file.readAll());

    auto scripted = std::make_unique<zerval::ScriptedPlatform>();
    zerval::ScriptedPlatform& platform = *scripted;
    zerval::installPlatform(std::move(scripted));
    int status = 0;
    {
        zerval::Player player(platform);
        status = player.run(script);
    }
    zerval::installPlatform(nullptr);
    return status;
}
