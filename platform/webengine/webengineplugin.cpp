#include "platform/webengine/webengineplugin.h"

#include "platform/webengine/webbrowser.h"

#include <QCoreApplication>
#include <QOpenGLContext>

// Qt Gui's own setter of the context that every OpenGL context of the process shares; the
// browser engine needs one and, loaded after the application object, cannot make it itself.
void qt_gl_set_global_share_context(QOpenGLContext* context);

namespace zerval {

namespace {

void shareOneOpenGLContext() {
    if (QOpenGLContext::globalShareContext()) return;
    auto* context = new QOpenGLContext(QCoreApplication::instance());
    context->create();
    qt_gl_set_global_share_context(context);
}

} // namespace

std::unique_ptr<BrowserControl> WebEnginePlugin::createBrowser(QWidget* parent) {
    shareOneOpenGLContext();
    return std::make_unique<WebBrowser>(parent);
}

} // namespace zerval
