// The controls the windows build alike: labels and buttons at fixed places, and site links.
#pragma once

#include <QString>

class QColor;
class QFont;
class QLabel;
class QPushButton;
class QRect;
class QWidget;

namespace kinwise {

class LinkLabel;

QLabel* MakeLabel(const QString& name, const QString& caption, const QRect& geometry,
                  const QFont& font, const QColor& colour, QWidget* parent);
QPushButton* MakeButton(const QString& name, const QString& caption, const QRect& geometry,
                        QWidget* parent);
// A centred link to the home page in bold underlined cyan, shrunk until it fits its place.
LinkLabel* MakeHomeLink(const QString& name, const QString& caption, const QRect& geometry,
                        bool wordWrap, QWidget* parent);

} // namespace kinwise
