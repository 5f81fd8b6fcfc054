#include "platform/browsermodule.h"

#include "platform/browserengine.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

namespace zerval {

QString browserModuleName() {
    return QStringLiteral("libzerval-browser.so");
}

QStringList browserModuleFolders() {
    const QString programFolder = QCoreApplication::applicationDirPath();
    return {programFolder,
            QDir::cleanPath(programFolder + QStringLiteral("/" ZERVAL_MODULE_FOLDER_FROM_PROGRAM))};
}

BrowserEngine* loadBrowserEngine(const QStringList& folders, QString* error) {
    for (const QString& folder : folders) {
        const QString file = QDir(folder).filePath(browserModuleName());
        if (!QFileInfo::exists(file)) continue;
        // The loader stays loaded for the rest of the run, since the browsers it made may
        // still be painting.
        auto* loader = new QPluginLoader(file, QCoreApplication::instance());
        QObject* instance = loader->instance();
        if (auto* engine = qobject_cast<BrowserEngine*>(instance)) return engine;
        if (error) *error = loader->errorString();
        return nullptr;
    }
    if (error)
        *error = QStringLiteral("No se encuentra el módulo %1 en: %2")
                     .arg(browserModuleName(), folders.join(QStringLiteral(", ")));
    return nullptr;
}

} // namespace zerval
