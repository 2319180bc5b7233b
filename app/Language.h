// The program follows the desktop's language: no setting, chosen once before any window.
#pragma once

namespace kinwise {

// Installs the program's and Qt's own translations, and the reading catalogue's language, when
// the desktop's first interface language is one the program speaks besides English. English
// loads nothing.
void LoadDesktopLanguage();

} // namespace kinwise
