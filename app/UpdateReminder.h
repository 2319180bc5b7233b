#pragma once

namespace kinwise::modHelp {

// At most every fifteen days, asks whether to look for an update and opens the download page.
void UpdateReminder();

} // namespace kinwise::modHelp
