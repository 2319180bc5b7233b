#include "StartApplication.h"

#include "BrandPanel.h"
#include "LinkLabel.h"
#include "MainWindow.h"
#include "Platform.h"
#include "QuitApplication.h"
#include "Texts.h"
#include "UpdateReminder.h"
#include "Windows.h"

namespace kinwise {

bool StartApplication()
{
    if (!platform().claimSingleInstance()) {
        platform().showMessage(nullptr, Texts::AlreadyRunning, MessageIcon::Information,
                               MessageButtons::Ok);
        modHelp::QuitApplication();
        return false;
    }
    platform().seedRandomFromClock();
    InstallLinkLabelAccessibility();
    modHelp::UpdateReminder();
    MainWindow* main = ShowMainWindow();
    CoBrand_Randomize(main->fraFullBrand, platform().randomUnit());
    return true;
}

} // namespace kinwise
