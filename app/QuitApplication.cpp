#include "QuitApplication.h"

#include "Platform.h"

#include <QApplication>
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
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        // Menus and tool tips are top-level too, but belong to their windows.
        if (window->windowType() == Qt::Window || window->windowType() == Qt::Dialog) {
            windows.append(window);
        }
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
