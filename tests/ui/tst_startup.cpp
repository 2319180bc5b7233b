// Start-up and the branding draw: one main window for the first copy, none for a second, and
// which brand label the draw puts in front.
#include "app/QuitApplication.h"
#include "app/StartApplication.h"
#include "assets/AssetPaths.h"
#include "support/Driver.h"
#include "support/WidgetSuite.h"
#include "ui/BrandPanel.h"
#include "ui/LinkLabel.h"

#include <QRandomGenerator>

#include <cmath>

using namespace kinwise;
using namespace kinwise::test;

namespace {

// Notes how often the clock seeded the generator by the time of the first draw.
class DrawWatchingPlatform : public Session
{
public:
    int draws = 0;
    int seedsBeforeFirstDraw = -1;

    float randomUnit() override
    {
        if (draws++ == 0) {
            seedsBeforeFirstDraw = seedCalls;
        }
        return Session::randomUnit();
    }
};

// The label of the panel that is shown and on top at its centre.
QString FrontLabel(BrandPanel* panel)
{
    const bool cobrand = panel->lblCobrand->isVisible();
    const bool fullBrand = panel->lblFullBrand->isVisible();
    if (cobrand == fullBrand) {
        return QStringLiteral("both or neither");
    }
    QWidget* onTop = panel->childAt(panel->rect().center());
    return onTop ? onTop->objectName() : QStringLiteral("nothing");
}

// Runs the shutdown again from its own close handling, as a window may while the program ends.
class ReenteringWindow : public QWidget
{
protected:
    void closeEvent(QCloseEvent* event) override
    {
        modHelp::QuitApplication();
        QWidget::closeEvent(event);
    }
};

BrandPanel* PanelOf(QWidget* main)
{
    return Find<BrandPanel>(main, QStringLiteral("fraFullBrand"));
}

} // namespace

class TestStartup : public WidgetSuite
{
    Q_OBJECT

private slots:
    void firstCopyShowsOneMainWindow()
    {
        Session* fake = install();
        QVERIFY(StartApplication());

        QCOMPARE(OpenWindows().size(), 1);
        QCOMPARE(CountWindows(MainName), 1);
        QVERIFY(FindWindow(MainName)->isVisible());
        QCOMPARE(fake->endProcessCalls, 0);
    }

    void clockSeedsBeforeTheDraw()
    {
        auto* fake = install<DrawWatchingPlatform>();
        QVERIFY(StartApplication());
        QCOMPARE(fake->draws, 1);
        QCOMPARE(fake->seedsBeforeFirstDraw, 1);
        QCOMPARE(fake->seedCalls, 1);
    }

    void secondCopyEndsWithoutWindows()
    {
        Session* fake = install();
        fake->instanceFree = false;
        QVERIFY(!StartApplication());

        QCOMPARE(fake->messages.size(), 1);
        QCOMPARE(fake->messages[0].text,
                 QCoreApplication::translate("kinwise::StartApplication",
                                             "Application is already running"));
        QCOMPARE(fake->messages[0].icon, MessageIcon::Information);
        QCOMPARE(fake->messages[0].buttons, MessageButtons::Ok);
        QCOMPARE(fake->endProcessCalls, 1);
        QCOMPARE(OpenWindows(), QList<QWidget*>());
    }

    void startupDrawPicksTheBrand_data()
    {
        QTest::addColumn<QList<float>>("draws");
        QTest::addColumn<QString>("front");

        QTest::newRow("nothing scripted") << QList<float>() << "lblFullBrand";
        QTest::newRow("draw 1") << QList<float>{0.0f} << "lblCobrand";
        QTest::newRow("draw 2") << QList<float>{0.2f} << "lblFullBrand";
        QTest::newRow("draw 7") << QList<float>{0.95f} << "lblFullBrand";
    }

    void startupDrawPicksTheBrand()
    {
        QFETCH(QList<float>, draws);
        QFETCH(QString, front);

        Session* fake = install();
        for (float r : draws) {
            fake->randomValues.enqueue(r);
        }
        QVERIFY(StartApplication());
        QWidget* main = FindWindow(MainName);
        QVERIFY(main);
        QCOMPARE(FrontLabel(PanelOf(main)), front);
    }

    void coBrandNumberRoundsHalfToEven_data()
    {
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("number");

        QTest::newRow("zero") << 0.0f << 1;
        QTest::newRow("just below one") << 0.99999994f << 7;
        QTest::newRow("exactly 2.5") << 0.25f << 2;
        QTest::newRow("exactly 5.5") << 0.75f << 6;

        // Either side of each x.5, far enough not to land on it in single precision.
        const struct
        {
            double half;
            int below;
            int above;
        } boundaries[]{{1.5, 1, 2}, {2.5, 2, 3}, {3.5, 3, 4},
                       {4.5, 4, 5}, {5.5, 5, 6}, {6.5, 6, 7}};
        for (const auto& boundary : boundaries) {
            const double r = (boundary.half - 1.0) / 6.0;
            QTest::addRow("below %.1f", boundary.half) << float(r - 1e-6) << boundary.below;
            QTest::addRow("above %.1f", boundary.half) << float(r + 1e-6) << boundary.above;
        }
    }

    void coBrandNumberRoundsHalfToEven()
    {
        QFETCH(float, r);
        QFETCH(int, number);
        QCOMPARE(CoBrandNumber(r), number);
    }

    void coBrandNumberShares()
    {
        QRandomGenerator generator(20160715);
        constexpr int Draws = 120000;
        int odd = 0;
        int even = 0;
        int seven = 0;
        for (int i = 0; i < Draws; ++i) {
            // 24 random bits give every float step of [0, 1), never 1 itself.
            const float r = float(generator.bounded(1 << 24)) / float(1 << 24);
            const int number = CoBrandNumber(r);
            QVERIFY2(number >= 1 && number <= 7, qPrintable(QString::number(number)));
            if (number == 7) {
                ++seven;
            } else if (number % 2 == 1) {
                ++odd;
            } else {
                ++even;
            }
        }
        const auto share = [](int count) { return double(count) / Draws; };
        QVERIFY2(std::abs(share(odd) - 5.0 / 12) < 0.01, qPrintable(QString::number(share(odd))));
        QVERIFY2(std::abs(share(even) - 6.0 / 12) < 0.01, qPrintable(QString::number(share(even))));
        QVERIFY2(std::abs(share(seven) - 1.0 / 12) < 0.01,
                 qPrintable(QString::number(share(seven))));
    }

    void quitRunsOnceWhenEnteredAgain()
    {
        Session* fake = install();
        auto* reentering = new ReenteringWindow;
        reentering->setAttribute(Qt::WA_DeleteOnClose);
        reentering->show();
        ShowMainWindow();

        modHelp::QuitApplication();
        QCOMPARE(fake->endProcessCalls, 1);
        QCOMPARE(OpenWindows(), QList<QWidget*>());
    }

    void randomizeBringsTheLabelToFront_data()
    {
        QTest::addColumn<float>("r");
        QTest::addColumn<QString>("front");

        QTest::newRow("1") << 0.0f << "lblCobrand";
        QTest::newRow("2") << 0.2f << "lblFullBrand";
        QTest::newRow("3") << 0.4f << "lblCobrand";
        QTest::newRow("4") << 0.55f << "lblFullBrand";
        QTest::newRow("5") << 0.7f << "lblCobrand";
        QTest::newRow("6") << 0.8f << "lblFullBrand";
        QTest::newRow("7") << 0.95f << "lblFullBrand";
        QTest::newRow("2 at exactly 2.5") << 0.25f << "lblFullBrand";
        QTest::newRow("3 just above 2.5") << 0.250001f << "lblCobrand";
    }

    void randomizeBringsTheLabelToFront()
    {
        QFETCH(float, r);
        QFETCH(QString, front);

        install();
        BrandPanel* panel = PanelOf(ShowMainWindow());
        QVERIFY(panel);
        CoBrand_Randomize(panel, r);
        QCOMPARE(FrontLabel(panel), front);
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
