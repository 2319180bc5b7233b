// What screen readers get beyond Qt's own accessible interfaces.
#pragma once

class QWidget;

namespace kinwise {

// Gives a control the first focus of its window, where a screen reader starts to read it, and
// frames it while it has the focus, for one that draws no focus of its own, such as a label.
void GiveFirstFocus(QWidget* widget);

// Installs the program's accessible interfaces (links, date lists); once, at start-up.
void InstallAccessibility();

} // namespace kinwise
