#include "platform/application.h"
#include "platform/scriptedplatform.h"
#include "tools/sweep/corpus.h"
#include "tools/sweep/sweep.h"

#include <QStringList>

#include <cstdio>

namespace {

QtMessageHandler standardHandler = nullptr;

void filterMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QStringLiteral("This plugin does not support")) ||
        message.startsWith(QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR not set")) ||
        message.contains(QStringLiteral("OpenType support missing")))
        return;
    if (standardHandler) standardHandler(type, context, message);
}

int usage() {
    std::fputs("usage: zerval-sweep CORPUS [--samples N|--all] [--seed N] [--window CLASS]...\n",
               stderr);
    return 2;
}

} // namespace

// zerval-sweep CORPUS: the hostile-input sweep of every window of the catalog. Exits 0 when
// it finds nothing, 1 when it finds a fault, 2 on a usage error.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    standardHandler = qInstallMessageHandler(filterMessages);
    zerval::Application application(argc, argv);

    const QStringList arguments = QCoreApplication::arguments();
    QString corpusPath;
    zerval::SweepOptions options;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        bool ok = true;
        if (argument == QStringLiteral("--all"))
            options.samples = 0;
        else if (argument == QStringLiteral("--samples") && i + 1 < arguments.size())
            options.samples = arguments[++i].toInt(&ok);
        else if (argument == QStringLiteral("--seed") && i + 1 < arguments.size())
            options.seed = arguments[++i].toUInt(&ok);
        else if (argument == QStringLiteral("--window") && i + 1 < arguments.size())
            options.windows.append(arguments[++i]);
        else if (!argument.startsWith(QStringLiteral("--")) && corpusPath.isEmpty())
            corpusPath = argument;
        else
            return usage();
        if (!ok || options.samples < 0) return usage();
    }
    if (corpusPath.isEmpty()) return usage();

    QString error;
    const QStringList corpus = zerval::loadCorpus(corpusPath, error);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "zerval-sweep: %s\n", error.toUtf8().constData());
        return 2;
    }

    auto scripted = std::make_unique<zerval::ScriptedPlatform>();
    zerval::ScriptedPlatform& platform = *scripted;
    zerval::installPlatform(std::move(scripted));
    int faults = 0;
    {
        zerval::Sweep sweep(platform, corpus, options);
        faults = sweep.run();
    }
    zerval::installPlatform(nullptr);
    return faults > 0 ? 1 : 0;
}
