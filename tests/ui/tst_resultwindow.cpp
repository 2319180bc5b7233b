// The result window: the number, picture and description of the reading, and the way back.
#include "assets/AssetPaths.h"
#include "support/Driver.h"
#include "support/WidgetSuite.h"

#include <QImage>
#include <QLabel>
#include <QPointer>

using namespace kinwise;
using namespace kinwise::test;

namespace {

QImage Shown(const QLabel* picture)
{
    return picture->pixmap().toImage();
}

} // namespace

class TestResultWindow : public WidgetSuite
{
    Q_OBJECT

private slots:
    void showsTheReading_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("descriptionStart");

        QTest::newRow("15 July 1975") << QDate(1975, 7, 15) << "6"
                                      << "Imbalance is the keyword";
        const QDate one = FirstDateWithNumber(1);
        const QDate thirteen = FirstDateWithNumber(13);
        QVERIFY(one.isValid() && thirteen.isValid());
        QTest::newRow("number 1") << one << "1" << QString();
        QTest::newRow("number 13") << thirteen << "13" << QString();
        QTest::newRow("first day") << QDate(1900, 1, 1) << QString() << QString();
        QTest::newRow("leap day") << QDate(2000, 2, 29) << QString() << QString();
        QTest::newRow("last day") << QDate(2016, 12, 31) << QString() << QString();
    }

    void showsTheReading()
    {
        QFETCH(QDate, date);
        QFETCH(QString, caption);
        QFETCH(QString, descriptionStart);

        const QString month = MonthNames[date.month() - 1];
        const Reading expected = EngineReading(month, date.day(), date.year());
        QWidget* result = ShowReadingFor(QStringLiteral("Ada"), month, date.day(), date.year());
        QVERIFY(result);

        auto* number = Find<QLabel>(result, QStringLiteral("lblMayanDayNumber"));
        auto* description = Find<QLabel>(result, QStringLiteral("lblMayanNoDesc"));
        auto* picture = Find<QLabel>(result, QStringLiteral("picGalacticTone"));
        QVERIFY(number && description && picture);

        if (!caption.isEmpty()) {
            QCOMPARE(number->text(), caption);
        }
        QCOMPARE(number->text().toInt(), int(expected.DayNumber));
        QCOMPARE(description->text(), QString::fromStdString(expected.NumberDescription));
        // The opening is that of the English catalogue; other languages show their own.
        if (CatalogueLanguage() == modMayanNumerology::Language::English) {
            QVERIFY2(description->text().startsWith(descriptionStart),
                     qPrintable(description->text()));
        }

        const QImage shown = Shown(picture);
        QVERIFY(!shown.isNull());
        const QImage tone = QImage(TonePicturePath(expected.DayNumber, CatalogueLanguage()))
                                .convertToFormat(shown.format());
        QVERIFY(!tone.isNull());
        QCOMPARE(shown, tone);
    }

    void backGivesAFreshMainWindow_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("button") << "cmdBack";
        QTest::newRow("menu") << "mnuBack";
    }

    void backGivesAFreshMainWindow()
    {
        QFETCH(QString, way);

        QWidget* result = ShowReadingFor(QStringLiteral("Ada"), QStringLiteral("July"), 15, 1975);
        QVERIFY(result);
        if (auto* button = Find<QPushButton>(result, way)) {
            QTest::mouseClick(button, Qt::LeftButton);
        } else {
            auto* action = result->findChild<QAction*>(way);
            QVERIFY(action);
            action->trigger();
        }

        QCOMPARE(CountWindows(ResultName), 0);
        QCOMPARE(CountWindows(MainName), 1);
        QWidget* main = FindWindow(MainName);
        QVERIFY(main->isVisible());
        QCOMPARE(ShownRequest(main), (QStringList{QString(), "January", "1", "1900"}));
        QCOMPARE(fake().endProcessCalls, 0);
    }

    void manySwapsKeepOneWindow()
    {
        QWidget* main = ShowMainWindow();
        for (int round = 0; round < 25; ++round) {
            EnterRequest(main, QStringLiteral("Ada"), MonthNames[round % 12], round + 1,
                         1950 + round);
            ClickCalculate(main);
            QCOMPARE(CountWindows(MainName), 0);
            QCOMPARE(CountWindows(ResultName), 1);
            QCOMPARE(OpenWindows().size(), 1);

            QWidget* result = FindWindow(ResultName);
            QTest::mouseClick(Find<QPushButton>(result, QStringLiteral("cmdBack")), Qt::LeftButton);
            QCOMPARE(CountWindows(ResultName), 0);
            QCOMPARE(CountWindows(MainName), 1);
            QCOMPARE(OpenWindows().size(), 1);
            main = FindWindow(MainName);
        }
        QCOMPARE(fake().endProcessCalls, 0);
    }

    void secondReadingShowsItsOwnNumber()
    {
        const Reading first = EngineReading(QStringLiteral("July"), 15, 1975);
        const Reading second = EngineReading(QStringLiteral("July"), 16, 1975);
        QVERIFY(first.DayNumber != second.DayNumber);

        QWidget* result = ShowReadingFor(QStringLiteral("Ada"), QStringLiteral("July"), 15, 1975);
        QVERIFY(result);
        QTest::mouseClick(Find<QPushButton>(result, QStringLiteral("cmdBack")), Qt::LeftButton);
        QWidget* main = FindWindow(MainName);
        QVERIFY(main);
        EnterRequest(main, QStringLiteral("Bea"), QStringLiteral("July"), 16, 1975);
        ClickCalculate(main);

        result = FindWindow(ResultName);
        QVERIFY(result);
        QCOMPARE(Find<QLabel>(result, QStringLiteral("lblMayanDayNumber"))->text(),
                 QString::number(second.DayNumber));
        QCOMPARE(Find<QLabel>(result, QStringLiteral("lblMayanNoDesc"))->text(),
                 QString::fromStdString(second.NumberDescription));
        QCOMPARE(ShownReading().PersonName, std::string("Bea"));
    }

    void nothingIsClipped_data()
    {
        QTest::addColumn<QDate>("date");
        for (int number = 1; number <= 13; ++number) {
            QTest::addRow("number %d", number) << FirstDateWithNumber(number);
        }
    }

    void nothingIsClipped()
    {
        QFETCH(QDate, date);
        QWidget* result = ShowReadingFor(QStringLiteral("Ada"), MonthNames[date.month() - 1],
                                         date.day(), date.year());
        QVERIFY(result);
        // The picture box of 6240, 240, 1635, 855 twips; every tone picture shows whole in it.
        QCOMPARE(Find<QLabel>(result, QStringLiteral("picGalacticTone"))->geometry(),
                 QRect(416, 16, 109, 57));
        const QStringList clipped = ClippedTexts(result);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral("; "))));
    }

    // Fitted to their box, the thirteen descriptions are read at the size most of them get, give or
    // take one step: a long one is not left much smaller than the others.
    void descriptionsShareOneSize()
    {
        QMap<int, qreal> sizes;
        QMap<qreal, int> readingsAt;
        for (int number = 1; number <= 13; ++number) {
            const QDate date = FirstDateWithNumber(number);
            QWidget* result = ShowReadingFor(QStringLiteral("Ada"), MonthNames[date.month() - 1],
                                             date.day(), date.year());
            QVERIFY(result);
            sizes[number] =
                Find<QLabel>(result, QStringLiteral("lblMayanNoDesc"))->font().pointSizeF();
            ++readingsAt[sizes[number]];
            DestroyAllWindows();
        }
        const qreal usual = std::max_element(readingsAt.cbegin(), readingsAt.cend()).key();
        for (auto size = sizes.cbegin(); size != sizes.cend(); ++size) {
            QVERIFY2(size.value() >= usual - FitStep,
                     qPrintable(QStringLiteral("the description of %1 is at %2 pt, most at %3 pt")
                                    .arg(size.key())
                                    .arg(size.value())
                                    .arg(usual)));
        }
    }
};

QTEST_MAIN(TestResultWindow)
#include "tst_resultwindow.moc"
