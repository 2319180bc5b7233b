#pragma once

namespace kinwise::modHelp {

// Unloads every window and ends the process; a call made while it runs does nothing more.
void QuitApplication();

} // namespace kinwise::modHelp
