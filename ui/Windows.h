// Creating the windows: each is made afresh when shown and destroyed when closed.
#pragma once

class QWidget;

namespace kinwise {

class MainWindow;
class ResultWindow;

MainWindow* ShowMainWindow();
ResultWindow* ShowResultWindow();
// Modal to the result window; returns at once, the window closes itself.
void ShowReportWindow(QWidget* resultWindow);

} // namespace kinwise
