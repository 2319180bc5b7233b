#include "platform/Platform.h"

#include <QtGlobal>

namespace kinwise {

namespace {
Platform* installed = nullptr;
}

Platform& platform()
{
    if (!installed) {
        qFatal("kinwise::platform() was called before a platform was installed");
    }
    return *installed;
}

PlatformInstallation::PlatformInstallation(Platform& platform) : m_previous(installed)
{
    installed = &platform;
}

PlatformInstallation::~PlatformInstallation()
{
    installed = m_previous;
}

} // namespace kinwise
