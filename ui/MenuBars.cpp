#include "ui/MenuBars.h"

#include "ui/AboutWindow.h"
#include "ui/SitePages.h"
#include "ui/Texts.h"

#include <QMenuBar>

namespace kinwise {

namespace {

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
    QMenu* help = AddMenu(bar, QStringLiteral("mnuHelp"), Texts::MenuHelp());
    AddPageItem(help, QStringLiteral("mnuOnline"), Texts::MenuOnline(), PageKey::Help);
    AddPageItem(help, QStringLiteral("mnuVisit"), Texts::MenuVisit(), PageKey::Home);
    AddSeparator(help, firstSeparatorName);
    AddPageItem(help, QStringLiteral("mnuUpdate"), Texts::MenuUpdate(), PageKey::Download);
    AddSeparator(help, secondSeparatorName);
    QAction* about = AddItem(help, QStringLiteral("mnuAbout"), Texts::MenuAbout());
    QObject::connect(about, &QAction::triggered, owner, [] { ShowAboutWindow(); });

    AddBarCommand(bar, QStringLiteral("mnuDonate"), Texts::MenuDonate(), PageKey::Donate);
    // Switched off in this edition, so shown greyed out.
    AddBarCommand(bar, QStringLiteral("mnuMakeMoney"), Texts::MenuMakeMoney(),
                  PageKey::FullyBranded)
        ->setEnabled(false);
}

} // namespace kinwise
