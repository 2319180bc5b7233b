// The branding panel: two labels of one size stacked, only the front one visible.
#pragma once

#include <QFrame>

namespace kinwise {

class LinkLabel;

class BrandPanel : public QFrame
{
    Q_OBJECT

public:
    BrandPanel(const QRect& geometry, QWidget* parent);

    LinkLabel* lblCobrand;
    LinkLabel* lblFullBrand;

    void bringCobrandToFront();
    void bringFullBrandToFront();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void bringToFront(LinkLabel* front, LinkLabel* back);
};

// The front label of the main window's panel for a draw 0 <= r < 1: r * 6 + 1 rounded half to
// even gives 1..7; odd values up to 5 show the co-brand label, even ones the full-brand label and
// 7 keeps the panel as built.
int CoBrandNumber(float r);
void CoBrand_Randomize(BrandPanel* panel, float r);

} // namespace kinwise
