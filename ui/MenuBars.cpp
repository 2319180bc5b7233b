#include "ui/MenuBars.h"

#include "ui/AboutWindow.h"
#include "ui/SitePages.h"

#include <QCoreApplication>

#include <QMenuBar>

namespace kinwise {

namespace {

// The Help menu and the commands beside it, the same in the main and the result window.
class HelpMenu
{
    Q_DECLARE_TR_FUNCTIONS(kinwise::HelpMenu)
};

QAction* AddPageItem(QMenu* menu, const QString& objectName, const QString& caption,
                     const QString& pageKey)
{
    QAction* action = AddItem(menu, objectName, caption);
    QObject::connect(action, &QAction::triggered, action, [pageKey] { OpenSitePage(pageKey); });
    return action;
}

QAction* AddBarCommand(QMenuBar* bar, const QString& objectName, const QString& caption,
                       const QString& pageKey)
{
    QAction* action = bar->addAction(caption);
    action->setObjectName(objectName);
    QObject::connect(action, &QAction::triggered, action, [pageKey] { OpenSitePage(pageKey); });
    return action;
}

} // namespace

QMenu* AddMenu(QMenuBar* bar, const QString& objectName, const QString& caption)
{
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(objectName);
    menu->menuAction()->setObjectName(objectName);
    return menu;
}

QAction* AddItem(QMenu* menu, const QString& objectName, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(objectName);
    return action;
}

QAction* AddSeparator(QMenu* menu, const QString& objectName)
{
    QAction* separator = menu->addSeparator();
    separator->setObjectName(objectName);
    return separator;
}

void AddHelpAndBarCommands(QMenuBar* bar, QWidget* owner, const QString& firstSeparatorName,
                           const QString& secondSeparatorName)
{
    QMenu* help = AddMenu(bar, QStringLiteral("mnuHelp"), HelpMenu::tr("&Help"));
    AddPageItem(help, QStringLiteral("mnuOnline"), HelpMenu::tr("&Online Help"), PageKey::Help);
    AddPageItem(help, QStringLiteral("mnuVisit"), HelpMenu::tr("&Visit Us Online"), PageKey::Home);
    AddSeparator(help, firstSeparatorName);
    AddPageItem(help, QStringLiteral("mnuUpdate"), HelpMenu::tr("Check for Software &Update"),
                PageKey::Download);
    AddSeparator(help, secondSeparatorName);
    QAction* about = AddItem(help, QStringLiteral("mnuAbout"), HelpMenu::tr("&About Software"));
    QObject::connect(about, &QAction::triggered, owner, [] { ShowAboutWindow(); });

    AddBarCommand(bar, QStringLiteral("mnuDonate"), HelpMenu::tr("&Donate"), PageKey::Donate);
    // Switched off in this edition, so shown greyed out.
    AddBarCommand(bar, QStringLiteral("mnuMakeMoney"), HelpMenu::tr("Make Money &Online"),
                  PageKey::FullyBranded)
        ->setEnabled(false);
}

} // namespace kinwise
