#include "app/QuitApplication.h"

#include "platform/Platform.h"
#include "ui/Windows.h"

#include <QPointer>
#include <QWidget>

namespace kinwise::modHelp {

void QuitApplication()
{
    // Closing a window below may bring its own close handling back here.
    static bool quitting = false;
    if (quitting) {
        return;
    }
    quitting = true;
    // Closing one window may delete others (its dialogs), so they are held by guarded pointers.
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : LoadedWindows()) {
        windows.append(window);
    }
    for (const QPointer<QWidget>& window : windows) {
        if (window) {
            window->close();
        }
    }
    platform().endProcess();
    quitting = false;
}

} // namespace kinwise::modHelp
