#include "ui/Style.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QPalette>

#include <algorithm>

namespace kinwise::Style {

namespace {

// Asking for a family that is not installed costs a substitute search for every font made.
// The plain family list is read instead of hasFamily(), whose alias search for a missing family
// costs as much as the whole font database.
QStringList InstalledFamilies(const QStringList& preferred)
{
    const QStringList installed = QFontDatabase::families();
    QStringList families;
    for (const QString& family : preferred) {
        if (installed.contains(family, Qt::CaseInsensitive)) {
            families << family;
        }
    }
    return families.isEmpty() ? preferred : families;
}

} // namespace

QFont Verdana(qreal pointSize, bool bold, bool underline)
{
    static const QStringList families =
        InstalledFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QFont MsSansSerif(qreal pointSize)
{
    static const QStringList families =
        InstalledFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                           QStringLiteral("DejaVu Sans")});
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    return font;
}

void SetBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void SetTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

namespace {

bool TextFits(const QLabel* label, const QFont& font)
{
    const QRect available = label->contentsRect();
    int flags = static_cast<int>(label->alignment());
    if (label->wordWrap()) {
        flags |= Qt::TextWordWrap;
    }
    const QRect needed = QFontMetrics(font).boundingRect(available, flags, label->text());
    return needed.width() <= available.width() && needed.height() <= available.height();
}

} // namespace

// The largest size, in quarter points down from the label's own, that fits. Every size tried
// loads a font, so the sizes are halved rather than walked.
void FitTextToLabel(QLabel* label, qreal smallestPointSize)
{
    QFont font = label->font();
    const qreal startSize = font.pointSizeF();
    if (TextFits(label, font)) {
        return;
    }
    constexpr qreal step = 0.25;
    const int maxSteps = static_cast<int>((startSize - smallestPointSize) / step + 1e-9);
    auto fitsAt = [&](int steps) {
        font.setPointSizeF(startSize - steps * step);
        return TextFits(label, font);
    };
    int low = 0; // does not fit
    int high = maxSteps;
    if (high > 0 && fitsAt(high)) {
        while (high - low > 1) {
            const int middle = (low + high) / 2;
            if (fitsAt(middle)) {
                high = middle;
            } else {
                low = middle;
            }
        }
    }
    font.setPointSizeF(startSize - high * step);
    label->setFont(font);
}

void ShareSmallestFont(std::initializer_list<QLabel*> labels)
{
    const QLabel* smallest = *std::ranges::min_element(
        labels, {}, [](const QLabel* label) { return label->font().pointSizeF(); });
    const QFont font = smallest->font();
    for (QLabel* label : labels) {
        label->setFont(font);
    }
}

void WidenAndFitLabel(QLabel* label, int widestWidth)
{
    const int frame = label->width() - label->contentsRect().width();
    const int needed = QFontMetrics(label->font()).horizontalAdvance(label->text()) + frame;
    if (needed > label->width()) {
        label->resize(std::min(needed, widestWidth), label->height());
    }
    FitTextToLabel(label);
}

} // namespace kinwise::Style
