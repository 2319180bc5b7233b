// Pages of the vendor's web site, opened in the desktop's browser.
#pragma once

#include <QString>

namespace kinwise {

namespace PageKey {
inline const QString Home = QStringLiteral("home-page");
inline const QString Help = QStringLiteral("help-web-page");
inline const QString Download = QStringLiteral("download-web-page");
inline const QString Donate = QStringLiteral("donate");
inline const QString CoBrand = QStringLiteral("co-brand");
inline const QString FullyBranded = QStringLiteral("fully-branded");
} // namespace PageKey

QString SitePageAddress(const QString& pageKey);

// Never waits for the browser and reports nothing.
void OpenSitePage(const QString& pageKey);

} // namespace kinwise
