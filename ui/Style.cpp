#include "Style.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPalette>

namespace kinwise::Style {

QFont Verdana(qreal pointSize, bool bold, bool underline)
{
    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QFont MsSansSerif(qreal pointSize)
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("DejaVu Sans")});
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
