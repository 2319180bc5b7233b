#include "CurrentReading.h"

namespace kinwise {

Reading& CurrentReading()
{
    static Reading reading;
    return reading;
}

} // namespace kinwise
