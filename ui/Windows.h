// Creating the windows: each is made afresh when shown and destroyed when closed.
#pragma once

#include "engine/modMayanNumerology.h"

#include <QList>

class QWidget;

namespace kinwise {

class MainWindow;
class ResultWindow;

MainWindow* ShowMainWindow();
ResultWindow* ShowResultWindow(const Reading& reading);
// Modal to the result window; returns at once, the window closes itself.
void ShowReportWindow(QWidget* resultWindow, const Reading& reading);

// The program's windows and dialogs now loaded; menus, tool tips and pop-ups are top-level
// widgets too, but belong to their windows.
QList<QWidget*> LoadedWindows();

} // namespace kinwise
