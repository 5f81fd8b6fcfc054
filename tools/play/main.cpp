#include "platform/application.h"
#include "platform/scriptedplatform.h"
#include "tools/play/player.h"

#include <QFile>
#include <QStringList>

#include <cstdio>

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

} // namespace

// zerval-play [SCRIPT]: runs a script (a file, or standard input) against the program's
// windows on Qt's offscreen platform, unless QT_QPA_PLATFORM names another.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    standardHandler = qInstallMessageHandler(filterMessages);
    zerval::Application application(argc, argv);

    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 2) {
        std::fputs("usage: zerval-play [SCRIPT]\n", stderr);
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
