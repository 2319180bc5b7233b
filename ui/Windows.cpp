#include "Windows.h"

#include "MainWindow.h"
#include "ReportWindow.h"
#include "ResultWindow.h"

#include <QGuiApplication>
#include <QScreen>

namespace kinwise {

namespace {

template <typename Window> Window* ShowCentred()
{
    auto* window = new Window;
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
    return ShowCentred<MainWindow>();
}

ResultWindow* ShowResultWindow()
{
    return ShowCentred<ResultWindow>();
}

void ShowReportWindow(QWidget* resultWindow)
{
    auto* report = new ReportWindow(resultWindow);
    report->open();
}

} // namespace kinwise
