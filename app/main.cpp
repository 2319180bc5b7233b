#include "app/Language.h"
#include "app/StartApplication.h"
#include "assets/AssetPaths.h"
#include "platform/Identity.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QFontDatabase>
#include <QThreadPool>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // Scanning the installed fonts is the longest step of a start and needs only the application.
    // QFontDatabase is thread-safe, so the scan runs beside the instance lock, the settings and
    // the window icon; the first window's first font waits for it. The application's destructor
    // waits for the pool, so even a start that ends at once leaves no thread behind.
    QThreadPool::globalInstance()->start([] { QFontDatabase::families(); });
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
