#include "Platform.h"

#include <cassert>

namespace kinwise {

namespace {
Platform* installed = nullptr;
}

Platform& platform()
{
    assert(installed);
    return *installed;
}

void setPlatform(Platform* platform)
{
    installed = platform;
}

} // namespace kinwise
