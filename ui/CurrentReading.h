// The one current reading that the windows share while the program runs.
#pragma once

#include "engine/modMayanNumerology.h"

namespace kinwise {

Reading& CurrentReading();

} // namespace kinwise
