#pragma once

namespace kinwise {

// Runs before any window is visible. False when another copy already runs and this one ends.
bool StartApplication();

} // namespace kinwise
