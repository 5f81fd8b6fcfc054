#include "app/mainwindow.h"
#include "app/programidentity.h"
#include "platform/application.h"
#include "platform/desktopplatform.h"

int main(int argc, char** argv) {
    zerval::Application application(argc, argv);
    zerval::identifyProgram();
    zerval::installPlatform(std::make_unique<zerval::DesktopPlatform>());
    try {
        zerval::TFormPrincipal window;
        window.show();
        return application.exec();
    } catch (...) {
        zerval::platform().reportError(std::current_exception());
        return 1;
    }
}
