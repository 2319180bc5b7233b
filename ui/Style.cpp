#include "Style.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QPalette>

namespace kinwise::Style {

namespace {

// Asking for a family that is not installed costs a substitute search for every font made.
QStringList InstalledFamilies(const QStringList& preferred)
{
    QStringList families;
    for (const QString& family : preferred) {
        if (QFontDatabase::hasFamily(family)) {
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

void FitTextToLabel(QLabel* label, qreal smallestPointSize)
{
    QFont font = label->font();
    while (!TextFits(label, font) && font.pointSizeF() - 0.25 >= smallestPointSize) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
    }
    label->setFont(font);
}

} // namespace kinwise::Style
