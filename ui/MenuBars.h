// The menu bars of the main and result windows: their own File menu, then the shared Help menu
// and the two commands that sit on the bar itself.
#pragma once

#include <QString>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace kinwise {

QMenu* AddMenu(QMenuBar* bar, const QString& objectName, const QString& caption);
QAction* AddItem(QMenu* menu, const QString& objectName, const QString& caption);
QAction* AddSeparator(QMenu* menu, const QString& objectName);

// The Help menu and the bar commands; the separators' names differ between the two windows.
void AddHelpAndBarCommands(QMenuBar* bar, QWidget* owner, const QString& firstSeparatorName,
                           const QString& secondSeparatorName);

} // namespace kinwise
