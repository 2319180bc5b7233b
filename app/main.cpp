#include "app/Language.h"
#include "app/StartApplication.h"
#include "assets/AssetPaths.h"
#include "platform/Identity.h"
#include "platform/QtPlatform.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(kinwise::Identity::ExecutableName);
    QApplication::setOrganizationName(kinwise::Identity::OrganizationName);
    QApplication::setApplicationVersion(kinwise::Identity::Version);
    QApplication::setDesktopFileName(kinwise::Identity::ApplicationId);

    kinwise::LoadDesktopLanguage();
    kinwise::InitAssets();
    kinwise::QtPlatform platform;
    const kinwise::PlatformInstallation installation(platform);
    if (!kinwise::StartApplication()) {
        return 0;
    }
    const int status = QApplication::exec();
    // Windows closed on the way out are deleted here, before the application goes.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
