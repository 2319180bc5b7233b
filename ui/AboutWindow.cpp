#include "ui/AboutWindow.h"

#include "assets/AssetPaths.h"
#include "platform/Identity.h"
#include "ui/LinkLabel.h"
#include "ui/SitePages.h"
#include "ui/Style.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kinwise {

namespace {

QLabel* MakeText(const QString& name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

} // namespace

AboutWindow::AboutWindow()
{
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(Identity::WindowCaption);
    setWindowIcon(WindowIcon());
    setWindowModality(Qt::ApplicationModal);
    setFont(Style::Verdana(8.25));

    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setPixmap(WindowIcon().pixmap(32, 32));
    picIcon->setFixedSize(32, 32);

    Label2 = MakeText(QStringLiteral("Label2"), Identity::WindowCaption, this);
    Label2->setFont(Style::Verdana(9.75, true));
    Label1 =
        MakeText(QStringLiteral("Label1"),
                 tr("Kinwise generates your Day Number based on your date of birth. This is based "
                    "on Mayan principles. Find more readings and news at %1.")
                     .arg(Identity::WebAddress),
                 this);
    lblHomePage =
        new LinkLabel(QStringLiteral("lblHomePage"),
                      //: %1 is the site's web address.
                      tr("Click here to visit %1").arg(Identity::WebAddress), PageKey::Home, this);
    lblHomePage->setFont(Style::Verdana(8.25, false, true));
    Label3 = MakeText(QStringLiteral("Label3"),
                      tr("Home Business Opportunity. Start your own Internet business and make "
                         "money online. Get this software fully branded for your website."),
                      this);
    lblCoBrand = new LinkLabel(QStringLiteral("lblCoBrand"), tr("Click here for more details."),
                               PageKey::FullyBranded, this);
    lblCoBrand->setFont(Style::Verdana(8.25, false, true));
    // The window takes the desktop's colours: its dark blue links need a light window, so under a
    // dark theme they are a light blue.
    const bool lightWindow = palette().color(QPalette::Window).lightnessF() > 0.5;
    const QColor linkColour = lightWindow ? Style::AboutLinkBlue : Style::AboutLinkLightBlue;
    for (LinkLabel* link : {lblHomePage, lblCoBrand}) {
        Style::SetTextColour(link, linkColour);
    }

    Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);

    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    // Enter must close the window; the links come first in the focus chain and would take it.
    cmdOK->setFocus();
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* heading = new QHBoxLayout;
    heading->addWidget(picIcon);
    heading->addWidget(Label2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(heading);
    layout->addWidget(Label1);
    layout->addWidget(lblHomePage);
    layout->addSpacing(8);
    layout->addWidget(Label3);
    layout->addWidget(lblCoBrand, 0, Qt::AlignRight);
    layout->addWidget(Line1);
    layout->addLayout(buttons);
    for (QLabel* text : {Label1, Label3}) {
        text->setFixedWidth(Style::Px(5400));
    }
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ShowAboutWindow()
{
    auto* about = new AboutWindow;
    // Not open(): that makes it modal to its parent only, and it has none.
    about->show();
}

} // namespace kinwise
