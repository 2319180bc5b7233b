#include "ui/SitePages.h"

#include "platform/Identity.h"
#include "platform/Platform.h"

namespace kinwise {

QString SitePageAddress(const QString& pageKey)
{
    return Identity::SiteBaseAddress + QStringLiteral("/kinwise/ssd.php?page=") + pageKey;
}

void OpenSitePage(const QString& pageKey)
{
    platform().openUrl(SitePageAddress(pageKey));
}

} // namespace kinwise
