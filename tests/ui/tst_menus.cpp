// The menu bars and links of the main and result windows, ending the program from either, and
// the About window.
#include "assets/AssetPaths.h"
#include "support/Driver.h"
#include "support/WidgetSuite.h"
#include "ui/BrandPanel.h"
#include "ui/LinkLabel.h"

#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

using namespace kinwise;
using namespace kinwise::test;
using namespace Qt::StringLiterals;

namespace {

// "name=caption" per entry, "name=-" for a separator.
QString ShownIn(const char* window, const QString& caption)
{
    const QString own = Shown(window, caption);
    return own != caption ? own : Shown(Context::HelpMenu, caption);
}

QStringList Entries(const QList<QAction*>& actions)
{
    QStringList entries;
    for (const QAction* action : actions) {
        entries << action->objectName() + QLatin1Char('=') +
                       (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return entries;
}

// The expected "name=caption" entries as the desktop's language shows them: the window's own
// menu or the Help menu and the commands beside it, which the windows share.
QStringList ShownEntries(const char* window, const QStringList& englishEntries)
{
    QStringList entries;
    for (const QString& entry : englishEntries) {
        const qsizetype equals = entry.indexOf(QLatin1Char('='));
        const QString caption = entry.mid(equals + 1);
        entries << entry.left(equals + 1) +
                       (caption == QStringLiteral("-") ? caption : ShownIn(window, caption));
    }
    return entries;
}

// A brand label is only clickable in front of its panel.
LinkLabel* FrontLink(QWidget* window, const QString& name)
{
    auto* label = Find<LinkLabel>(window, name);
    if (auto* panel = qobject_cast<BrandPanel*>(label ? label->parentWidget() : nullptr)) {
        if (label == panel->lblCobrand) {
            panel->bringCobrandToFront();
        } else {
            panel->bringFullBrandToFront();
        }
    }
    return label;
}

// One column, "window": the main and the result window.
void AddWindowRows(const char* what)
{
    QTest::addColumn<QString>("window");
    QTest::addRow("%s in main", what) << "main";
    QTest::addRow("%s in result", what) << "result";
}

} // namespace

class TestMenus : public WidgetSuite
{
    Q_OBJECT

private slots:
    void menuBarStructure_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("file");
        QTest::addColumn<QStringList>("help");

        const auto help = [](const char* first, const char* second) {
            return QStringList{
                "mnuOnline=&Online Help",           "mnuVisit=&Visit Us Online",
                QString::fromLatin1(first) + "=-",  "mnuUpdate=Check for Software &Update",
                QString::fromLatin1(second) + "=-", "mnuAbout=&About Software"};
        };
        QTest::newRow("main") << "main"
                              << QStringList{"mnuMayan=Get My &Mayan Astrology Sign", "mnuSep3=-",
                                             "mnuExit=E&xit"}
                              << help("mnuSep1", "mnuSep2");
        QTest::newRow("result") << "result"
                                << QStringList{"mnuBack=&Back", "mnuSep1=-", "mnuExit=E&xit"}
                                << help("mnuSep2", "mnuSep3");
    }

    void menuBarStructure()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, file);
        QFETCH(QStringList, help);

        QWidget* shown = ShowWindow(window);
        QVERIFY(shown);
        auto* bar = Find<QMenuBar>(shown, QString());
        QVERIFY(bar);
        const char* context = window == QStringLiteral("main") ? Context::Main : Context::Result;
        QCOMPARE(
            Entries(bar->actions()),
            ShownEntries(context, QStringList{"mnuFile=&File", "mnuHelp=&Help", "mnuDonate=&Donate",
                                              "mnuMakeMoney=Make Money &Online"}));
        QVERIFY(bar->actions()[0]->menu() && bar->actions()[1]->menu());
        QVERIFY(!bar->actions()[2]->menu() && !bar->actions()[3]->menu());
        QCOMPARE(Entries(bar->actions()[0]->menu()->actions()), ShownEntries(context, file));
        QCOMPARE(Entries(bar->actions()[1]->menu()->actions()), ShownEntries(context, help));

        // Every caption of the bar, and of each menu, has an access key of its own.
        for (const QList<QAction*>& group : {bar->actions(), bar->actions()[0]->menu()->actions(),
                                             bar->actions()[1]->menu()->actions()}) {
            QList<QKeySequence> keys;
            for (const QAction* action : group) {
                if (!action->isSeparator()) {
                    const QKeySequence key = QKeySequence::mnemonic(action->text());
                    QVERIFY2(!key.isEmpty() && !keys.contains(key), qPrintable(action->text()));
                    keys << key;
                }
            }
        }
    }

    void noShortcutsAndOnlyMakeMoneyDisabled_data() { AddWindowRows("actions"); }

    void noShortcutsAndOnlyMakeMoneyDisabled()
    {
        QFETCH(QString, window);

        QWidget* shown = ShowWindow(window);
        QVERIFY(shown);
        const QList<QAction*> actions = shown->findChildren<QAction*>();
        QVERIFY(actions.size() >= 12);
        for (const QAction* action : actions) {
            QVERIFY2(action->shortcuts().isEmpty(), qPrintable(action->objectName()));
            QCOMPARE(action->isEnabled(), action->objectName() != QStringLiteral("mnuMakeMoney"));
        }
        QVERIFY(shown->findChild<QAction*>(QStringLiteral("mnuMakeMoney")));
    }

    void itemsAndLinksOpenTheirPage_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("page");

        const char* const pages[][2] = {
            {"mnuOnline", "help-web-page"},     {"mnuVisit", "home-page"},
            {"mnuUpdate", "download-web-page"}, {"mnuDonate", "donate"},
            {"Label14", "home-page"},           {"lblCobrand", "co-brand"},
            {"lblFullBrand", "fully-branded"}};
        for (const char* window : {"main", "result"}) {
            for (const auto& [item, page] : pages) {
                QTest::addRow("%s %s", window, item) << window << item << page;
            }
        }
    }

    void itemsAndLinksOpenTheirPage()
    {
        QFETCH(QString, window);
        QFETCH(QString, item);
        QFETCH(QString, page);

        QWidget* shown = ShowWindow(window);
        QVERIFY(shown);
        if (auto* action = shown->findChild<QAction*>(item)) {
            action->trigger();
        } else {
            LinkLabel* label = FrontLink(shown, item);
            QVERIFY(label);
            QVERIFY(label->isVisible());
            QTest::mouseClick(label, Qt::LeftButton);
        }
        QCOMPARE(fake().openedUrls, QStringList{PageBase + page});
        QVERIFY(fake().messages.isEmpty());
        QCOMPARE(OpenWindows(), QList<QWidget*>{shown});
    }

    void focusedLinksAnswerTheKeyboard_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("page");

        QTest::newRow("main Label14 Return")
            << u"main"_s << "Label14" << int(Qt::Key_Return) << "home-page";
        QTest::newRow("main Label14 Space")
            << u"main"_s << "Label14" << int(Qt::Key_Space) << "home-page";
        QTest::newRow("main lblCobrand Return")
            << u"main"_s << "lblCobrand" << int(Qt::Key_Return) << "co-brand";
        QTest::newRow("main lblFullBrand Space")
            << u"main"_s << "lblFullBrand" << int(Qt::Key_Space) << "fully-branded";
        QTest::newRow("result Label14 Space")
            << u"result"_s << "Label14" << int(Qt::Key_Space) << "home-page";
        QTest::newRow("result lblCobrand Space")
            << u"result"_s << "lblCobrand" << int(Qt::Key_Space) << "co-brand";
        QTest::newRow("result lblFullBrand Return")
            << u"result"_s << "lblFullBrand" << int(Qt::Key_Return) << "fully-branded";
        QTest::newRow("main Label14 letter")
            << u"main"_s << "Label14" << int(Qt::Key_A) << QString();
        QTest::newRow("result lblFullBrand Escape")
            << u"result"_s << "lblFullBrand" << int(Qt::Key_Escape) << QString();
    }

    void focusedLinksAnswerTheKeyboard()
    {
        QFETCH(QString, window);
        QFETCH(QString, label);
        QFETCH(int, key);
        QFETCH(QString, page);

        QWidget* shown = ShowWindow(window);
        QVERIFY(shown);
        QVERIFY(Activate(shown));
        LinkLabel* link = FrontLink(shown, label);
        QVERIFY(link);
        link->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), link);

        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QCOMPARE(fake().openedUrls, page.isEmpty() ? QStringList() : QStringList{PageBase + page});
    }

    void enterPressesOnlyTheFocusedButton_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("pressed");

        for (const auto& [window, button] : {std::pair{"main", "cmdCalculate"},
                                             {"main", "cmdOpen"},
                                             {"result", "cmdSave"},
                                             {"result", "cmdBack"},
                                             {"report", "cmdSave"},
                                             {"report", "cmdPrint"},
                                             {"about", "cmdOK"}}) {
            QTest::addRow("%s %s", window, button) << window << button << button;
        }
        // A screen reader user reads the report line by line and must not fall into a dialog.
        QTest::newRow("report text") << u"report"_s << "RTB" << QString();
    }

    // Return and the keypad's Enter alike.
    void enterPressesOnlyTheFocusedButton()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QString, pressed);

        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
            QWidget* shown = ShowWindow(window);
            QVERIFY(shown);
            QVERIFY(Activate(shown));
            QStringList clicked;
            for (QPushButton* button : shown->findChildren<QPushButton*>()) {
                connect(button, &QPushButton::clicked, shown,
                        [&clicked, button] { clicked << button->objectName(); });
            }
            auto* target = Find<QWidget>(shown, control);
            QVERIFY(target);
            target->setFocus(Qt::TabFocusReason);
            QCOMPARE(QApplication::focusWidget(), target);

            QTest::keyClick(target, key,
                            key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
            QCOMPARE(clicked, pressed.isEmpty() ? QStringList() : QStringList{pressed});
            DestroyAllWindows();
        }
    }

    void otherButtonsOpenNothing_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("button");

        for (const char* window : {"main", "result"}) {
            for (const char* label : {"Label14", "lblCobrand", "lblFullBrand"}) {
                QTest::addRow("%s %s right", window, label)
                    << window << label << int(Qt::RightButton);
                QTest::addRow("%s %s middle", window, label)
                    << window << label << int(Qt::MiddleButton);
            }
        }
    }

    void otherButtonsOpenNothing()
    {
        QFETCH(QString, window);
        QFETCH(QString, label);
        QFETCH(int, button);

        QWidget* shown = ShowWindow(window);
        QVERIFY(shown);
        LinkLabel* link = FrontLink(shown, label);
        QVERIFY(link);
        QTest::mouseClick(link, Qt::MouseButton(button));
        QCOMPARE(fake().openedUrls, QStringList());
    }

    void mayanItemChecksLikeTheButton_data() { AddRequestRows(); }

    void mayanItemChecksLikeTheButton()
    {
        QFETCH(QString, name);
        QFETCH(QString, month);
        QFETCH(int, day);
        QFETCH(int, year);
        QFETCH(QString, message);

        QPointer<QWidget> main = ShowMainWindow();
        EnterRequest(main, name, month, day, year);
        auto* item = main->findChild<QAction*>(QStringLiteral("mnuMayan"));
        QVERIFY(item);
        item->trigger();
        VerifyRequestOutcome(fake(), main, name, month, day, year, message);
    }

    void closingEndsTheProgram_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("way");
        QTest::addColumn<bool>("withAbout");

        for (const char* window : {"main", "result"}) {
            QTest::addRow("%s closed", window) << window << "close" << false;
            QTest::addRow("%s exit", window) << window << "mnuExit" << false;
            QTest::addRow("%s closed with About open", window) << window << "close" << true;
        }
    }

    void closingEndsTheProgram()
    {
        QFETCH(QString, window);
        QFETCH(QString, way);
        QFETCH(bool, withAbout);

        QWidget* shown = ShowWindow(window);
        QVERIFY(shown);
        if (withAbout) {
            QVERIFY(OpenAboutFrom(shown));
            QCOMPARE(CountWindows(AboutName), 1);
        }
        QCOMPARE(fake().endProcessCalls, 0);
        if (way == QStringLiteral("close")) {
            shown->close();
        } else {
            shown->findChild<QAction*>(way)->trigger();
        }
        QCOMPARE(fake().endProcessCalls, 1);
        QCOMPARE(OpenWindows(), QList<QWidget*>());
    }

    void onlyLinksShowTheLinkPointer_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("links");

        const QStringList windowLinks{"Label14", "lblCobrand", "lblFullBrand"};
        QTest::newRow("main") << "main" << windowLinks;
        QTest::newRow("result") << "result" << windowLinks;
        QTest::newRow("about") << "about" << QStringList{"lblHomePage", "lblCoBrand"};
    }

    // The pointer a person sees over each visible label, reached through the window system.
    void onlyLinksShowTheLinkPointer()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, links);

        QWidget* shown = ShowWindow(window);
        QVERIFY(shown);
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        const QPoint hotspot(LinkPointerHotspotX, LinkPointerHotspotY);
        // Into the window first, off every label, as a real pointer arrives.
        QTest::mouseMove(shown->windowHandle(), QPoint(1, 1));

        QStringList linksHovered;
        for (QLabel* label : shown->findChildren<QLabel*>()) {
            if (!label->isVisible()) {
                continue;
            }
            const QPoint centre = label->mapTo(shown, label->rect().center());
            QCOMPARE(shown->childAt(centre), label);
            QTest::mouseMove(shown->windowHandle(), centre);
            const QCursor pointer = label->cursor();
            if (links.contains(label->objectName())) {
                linksHovered << label->objectName();
                QVERIFY2(pointer.shape() == Qt::BitmapCursor, qPrintable(label->objectName()));
                QCOMPARE(pointer.hotSpot(), hotspot);
                QCOMPARE(pointer.pixmap().size(), QSize(LinkPointerSize, LinkPointerSize));
            } else {
                QVERIFY2(pointer.shape() == Qt::ArrowCursor, qPrintable(label->objectName()));
            }
        }
        // Of the two stacked brand labels only the front one can be hovered.
        for (const QString& link : links) {
            const auto* label = Find<QLabel>(shown, link);
            QVERIFY(label);
            QCOMPARE(linksHovered.contains(link), label->isVisible());
        }
        QVERIFY(!linksHovered.isEmpty());
    }

    void aboutWindowContents_data() { AddWindowRows("About"); }

    void aboutWindowContents()
    {
        QFETCH(QString, window);

        QWidget* opener = ShowWindow(window);
        QVERIFY(opener);
        auto* about = qobject_cast<QDialog*>(OpenAboutFrom(opener));
        QCOMPARE(CountWindows(AboutName), 1);
        QVERIFY(about);
        QVERIFY(about->isVisible());
        QVERIFY(about->isModal());
        QCOMPARE(about->parentWidget(), nullptr);
        QCOMPARE(QApplication::activeModalWidget(), about);

        auto* icon = Find<QLabel>(about, QStringLiteral("picIcon"));
        QVERIFY(icon);
        QVERIFY(!icon->pixmap().isNull());
        QCOMPARE(Find<QLabel>(about, QStringLiteral("Label2"))->text(), KINWISE_TEST_CAPTION);
        const QString text = Find<QLabel>(about, QStringLiteral("Label1"))->text();
        QCOMPARE(text,
                 Shown(Context::About, "Kinwise generates your Day Number based on your date of "
                                       "birth. This is based on Mayan principles. Find more "
                                       "readings and news at %1.")
                     .arg(WebAddress));
        QCOMPARE(Find<QLabel>(about, QStringLiteral("lblCoBrand"))->text(),
                 Shown(Context::About, "Click here for more details."));
        QVERIFY(opener->isVisible());
        QCOMPARE(fake().endProcessCalls, 0);
    }

    void aboutBlocksTheWindowBehind()
    {
        QWidget* main = ShowMainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(main));
        auto* link = Find<QLabel>(main, QStringLiteral("Label14"));
        const QPoint onLink = link->mapTo(main, link->rect().center());

        // The same click through the window system, once free and once behind About.
        QTest::mouseClick(main->windowHandle(), Qt::LeftButton, {}, onLink);
        QCOMPARE(fake().openedUrls, QStringList{PageBase + "home-page"});

        QVERIFY(OpenAboutFrom(main));
        QTest::mouseClick(main->windowHandle(), Qt::LeftButton, {}, onLink);
        QCOMPARE(fake().openedUrls, QStringList{PageBase + "home-page"});
    }

    void aboutNothingIsClipped()
    {
        QWidget* about = ShowWindow(QStringLiteral("about"));
        QVERIFY(about);
        QVERIFY(QTest::qWaitForWindowExposed(about));
        const QStringList clipped = ClippedTexts(about);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral("; "))));
    }

    void aboutLinksOpenTheirPage_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("page");

        for (const char* window : {"main", "result"}) {
            for (const auto& [label, page] :
                 {std::pair{"lblHomePage", "home-page"}, {"lblCoBrand", "fully-branded"}}) {
                QTest::addRow("%s %s", window, label) << window << label << page;
            }
        }
    }

    void aboutLinksOpenTheirPage()
    {
        QFETCH(QString, window);
        QFETCH(QString, label);
        QFETCH(QString, page);

        QWidget* opener = ShowWindow(window);
        QVERIFY(opener);
        auto* link = Find<LinkLabel>(OpenAboutFrom(opener), label);
        QVERIFY(link);
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(fake().openedUrls, QStringList{PageBase + page});
    }

    void okClosesOnlyAbout_data() { AddWindowRows("OK"); }

    void okClosesOnlyAbout()
    {
        QFETCH(QString, window);

        QWidget* opener = ShowWindow(window);
        QVERIFY(opener);
        QPointer<QWidget> about = OpenAboutFrom(opener);
        QVERIFY(about);
        QTest::mouseClick(Find<QPushButton>(about, QStringLiteral("cmdOK")), Qt::LeftButton);

        ProcessDeletes();
        QVERIFY(!about);
        QCOMPARE(OpenWindows(), QList<QWidget*>{opener});
        QVERIFY(opener->isVisible());
        QCOMPARE(fake().endProcessCalls, 0);
    }

    void aboutIsFreshEachTime()
    {
        QWidget* main = ShowMainWindow();
        QPointer<QWidget> first = OpenAboutFrom(main);
        QVERIFY(first);
        QTest::mouseClick(Find<QPushButton>(first, QStringLiteral("cmdOK")), Qt::LeftButton);
        ProcessDeletes();
        QVERIFY(!first);

        QWidget* second = OpenAboutFrom(main);
        QCOMPARE(CountWindows(AboutName), 1);
        QVERIFY(second->isVisible());
        QVERIFY(second->isModal());
        QCOMPARE(fake().endProcessCalls, 0);
    }
};

QTEST_MAIN(TestMenus)
#include "tst_menus.moc"
