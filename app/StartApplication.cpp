#include "app/StartApplication.h"

#include "app/QuitApplication.h"
#include "app/UpdateReminder.h"
#include "platform/Platform.h"
#include "ui/Accessibility.h"
#include "ui/BrandPanel.h"
#include "ui/MainWindow.h"
#include "ui/TopWindow.h"
#include "ui/Windows.h"

#include <QCoreApplication>

namespace kinwise {

bool StartApplication()
{
    if (!platform().claimSingleInstance()) {
        platform().showMessage(nullptr,
                               QCoreApplication::translate("kinwise::StartApplication",
                                                           "Application is already running"),
                               MessageIcon::Information, MessageButtons::Ok);
        modHelp::QuitApplication();
        return false;
    }
    TopWindow::setQuitHandler(modHelp::QuitApplication);
    platform().seedRandomFromClock();
    InstallAccessibility();
    modHelp::UpdateReminder();
    MainWindow* main = ShowMainWindow();
    CoBrand_Randomize(main->fraFullBrand, platform().randomUnit());
    return true;
}

} // namespace kinwise
