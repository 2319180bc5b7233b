// Geometry and look shared by the windows: positions come in twips, 15 to a pixel at 96 dpi.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QSize>

#include <initializer_list>

class QLabel;
class QWidget;

namespace kinwise::Style {

constexpr int TwipsPerPixel = 15;

constexpr int Px(int twips)
{
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}

constexpr QRect Twips(int left, int top, int width, int height)
{
    return {Px(left), Px(top), Px(width), Px(height)};
}

constexpr QSize TwipsSize(int width, int height)
{
    return {Px(width), Px(height)};
}

inline const QColor WindowTeal{0, 105, 136};
inline const QColor LinkCyan{0, 255, 255};
inline const QColor Salmon{255, 128, 128};
inline const QColor Pink{255, 192, 192};
inline const QColor Cream{255, 255, 192};
inline const QColor AboutLinkBlue{0, 0, 160};
inline const QColor AboutLinkLightBlue{153, 193, 241};

// Verdana where installed, otherwise the closest sans-serif of the desktop.
QFont Verdana(qreal pointSize, bool bold = false, bool underline = false);
QFont MsSansSerif(qreal pointSize);

void SetBackground(QWidget* widget, const QColor& colour);
void SetTextColour(QWidget* widget, const QColor& colour);

// Shrinks the label's font until its text fits its fixed size, so nothing is ever clipped.
void FitTextToLabel(QLabel* label, qreal smallestPointSize = 6.0);

// Labels read as one text (the lines of one link) take the smallest of their fitted fonts.
void ShareSmallestFont(std::initializer_list<QLabel*> labels);

// A one-line label whose translated text is longer than its place first takes free room to its
// right, up to the width given; what is still too long is then shrunk as above.
void WidenAndFitLabel(QLabel* label, int widestWidth);

} // namespace kinwise::Style
