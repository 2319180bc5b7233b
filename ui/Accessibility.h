// What screen readers get beyond Qt's own accessible interfaces.
#pragma once

class QLabel;

namespace kinwise {

// Gives a label the first focus of its window, where a screen reader starts to read it.
void GiveFirstFocus(QLabel* label);

// Installs the program's accessible interfaces (links, date lists); once, at start-up.
void InstallAccessibility();

} // namespace kinwise
