#include "platform/application.h"
#include "platform/desktopplatform.h"

int main(int argc, char** argv) {
    zerval::Application application(argc, argv);
    zerval::installPlatform(std::make_unique<zerval::DesktopPlatform>());
    return application.exec();
}
