#include "ui/BrandPanel.h"

#include "ui/LinkLabel.h"
#include "ui/SitePages.h"
#include "ui/Style.h"

#include <cmath>
#include <cstdint>

namespace kinwise {

namespace {

LinkLabel* MakeBrandLabel(const QString& name, const QString& caption, const QString& pageKey,
                          QFrame* panel)
{
    auto* label = new LinkLabel(name, caption, pageKey, panel);
    label->setGeometry(panel->contentsRect());
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(Style::Verdana(8.25));
    Style::SetTextColour(label, Style::Cream);
    Style::SetBackground(label, Style::WindowTeal);
    return label;
}

} // namespace

BrandPanel::BrandPanel(const QRect& geometry, QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("fraFullBrand"));
    setGeometry(geometry);
    setFrameShape(QFrame::NoFrame);
    Style::SetBackground(this, Style::WindowTeal);
    lblCobrand = MakeBrandLabel(
        QStringLiteral("lblCobrand"),
        tr("Co-brand this software for your site.  Increase loyalty and traffic to your "
           "site. Put your site's name &&  link here. See \"Help\" for details.    "
           "Click Here for more info on co-branding."),
        PageKey::CoBrand, this);
    // Built last, so in front until the start-up draw says otherwise.
    lblFullBrand = MakeBrandLabel(
        QStringLiteral("lblFullBrand"),
        tr("Home Business Opportunity. Start your own Internet business and make money "
           "online. Get this software fully branded for your website. Click here for "
           "more details."),
        PageKey::FullyBranded, this);
    bringFullBrandToFront();
}

void BrandPanel::bringCobrandToFront()
{
    bringToFront(lblCobrand, lblFullBrand);
}

void BrandPanel::bringFullBrandToFront()
{
    bringToFront(lblFullBrand, lblCobrand);
}

void BrandPanel::bringToFront(LinkLabel* front, LinkLabel* back)
{
    front->raise();
    front->show();
    back->hide();
    if (isVisible()) {
        Style::FitTextToLabel(front);
    }
}

// Only the label in front when the panel first shows is fitted then; in most runs the other
// never shows at all.
void BrandPanel::showEvent(QShowEvent* event)
{
    Style::FitTextToLabel(lblCobrand->isHidden() ? lblFullBrand : lblCobrand);
    QFrame::showEvent(event);
}

int CoBrandNumber(float r)
{
    const float scaled = r * 6.0f + 1.0f;
    return static_cast<std::int16_t>(std::nearbyint(scaled));
}

void CoBrand_Randomize(BrandPanel* panel, float r)
{
    const int intCoBrandRandomNumber = CoBrandNumber(r);
    if (intCoBrandRandomNumber == 7) {
        return;
    }
    if (intCoBrandRandomNumber % 2 == 1) {
        panel->bringCobrandToFront();
    } else {
        panel->bringFullBrandToFront();
    }
}

} // namespace kinwise
