#include "ui/Controls.h"

#include "ui/LinkLabel.h"
#include "ui/SitePages.h"
#include "ui/Style.h"

#include <QLabel>
#include <QPushButton>

namespace kinwise {

QLabel* MakeLabel(const QString& name, const QString& caption, const QRect& geometry,
                  const QFont& font, const QColor& colour, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setFont(font);
    Style::SetTextColour(label, colour);
    return label;
}

QPushButton* MakeButton(const QString& name, const QString& caption, const QRect& geometry,
                        QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    // Enter presses a focused button in every window, as it does in dialogs, where Qt sets this.
    button->setAutoDefault(true);
    return button;
}

LinkLabel* MakeHomeLink(const QString& name, const QString& caption, const QRect& geometry,
                        bool wordWrap, QWidget* parent)
{
    auto* link = new LinkLabel(name, caption, PageKey::Home, parent);
    link->setGeometry(geometry);
    link->setAlignment(Qt::AlignCenter);
    link->setWordWrap(wordWrap);
    link->setFont(Style::Verdana(8.25, true, true));
    Style::SetTextColour(link, Style::LinkCyan);
    Style::FitTextToLabel(link);
    return link;
}

} // namespace kinwise
