// What screen readers get beyond Qt's own accessible interfaces.
#pragma once

namespace kinwise {

// Installs the program's accessible interfaces (links, date lists); once, at start-up.
void InstallAccessibility();

} // namespace kinwise
