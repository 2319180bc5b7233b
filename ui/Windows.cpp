#include "ui/Windows.h"

#include "ui/MainWindow.h"
#include "ui/ReportWindow.h"
#include "ui/ResultWindow.h"

#include <QApplication>
#include <QScreen>

namespace kinwise {

namespace {

template <typename Window> Window* ShowCentred(Window* window)
{
    window->adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
    window->show();
    return window;
}

} // namespace

MainWindow* ShowMainWindow()
{
    return ShowCentred(new MainWindow);
}

ResultWindow* ShowResultWindow(const Reading& reading)
{
    return ShowCentred(new ResultWindow(reading));
}

void ShowReportWindow(QWidget* resultWindow, const Reading& reading)
{
    auto* report = new ReportWindow(resultWindow, reading);
    report->open();
}

QList<QWidget*> LoadedWindows()
{
    QList<QWidget*> windows;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->windowType() == Qt::Window || window->windowType() == Qt::Dialog) {
            windows.append(window);
        }
    }
    return windows;
}

} // namespace kinwise
