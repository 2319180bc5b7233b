// The main window: what it shows when it opens, which requests it refuses, and what a reading
// request leaves behind.
#include "assets/AssetPaths.h"
#include "support/Driver.h"
#include "support/WidgetSuite.h"
#include "ui/Windows.h"

#include <QGroupBox>
#include <QLabel>
#include <QPointer>

using namespace kinwise;
using namespace kinwise::test;
using namespace Qt::StringLiterals;

namespace {

QStringList Entries(const QComboBox* list)
{
    QStringList entries;
    for (int i = 0; i < list->count(); ++i) {
        entries << list->itemText(i);
    }
    return entries;
}

QStringList Numbers(int first, int last)
{
    QStringList numbers;
    for (int n = first; n <= last; ++n) {
        numbers << QString::number(n);
    }
    return numbers;
}

QLabel* Label1(QWidget* main, int index)
{
    for (QLabel* label : main->findChildren<QLabel*>(QStringLiteral("Label1"))) {
        if (label->property("Index").toInt() == index) {
            return label;
        }
    }
    return nullptr;
}

} // namespace

class TestMainWindow : public WidgetSuite
{
    Q_OBJECT

private slots:
    void listsAndSelectionOnLoad_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("selected");

        QTest::newRow("month") << "cboMonth" << ListedMonths() << ListedMonths().first();
        QTest::newRow("day") << "cboDate" << Numbers(1, 31) << "1";
        QTest::newRow("year") << "cboYear" << Numbers(1900, 2016) << "1900";
    }

    void listsAndSelectionOnLoad()
    {
        QFETCH(QString, list);
        QFETCH(QStringList, entries);
        QFETCH(QString, selected);

        QWidget* main = ShowMainWindow();
        auto* box = Find<QComboBox>(main, list);
        QVERIFY(box);
        QCOMPARE(Entries(box), entries);
        QCOMPARE(box->currentText(), selected);
        QVERIFY(!box->isEditable());
    }

    void nameIsEmptyOnLoad()
    {
        QWidget* main = ShowMainWindow();
        auto* txtName = Find<QLineEdit>(main, QStringLiteral("txtName"));
        QVERIFY(txtName);
        QCOMPARE(txtName->text(), QString());
    }

    void nameLabelLeadsToTheNameBox()
    {
        QWidget* main = ShowMainWindow();
        QLabel* label = Label1(main, 0);
        QVERIFY(label);
        QCOMPARE(label->buddy(), Find<QLineEdit>(main, QStringLiteral("txtName")));
    }

    void tabOrder()
    {
        QWidget* main = ShowMainWindow();
        QVERIFY(Activate(main));
        auto* txtName = Find<QLineEdit>(main, QStringLiteral("txtName"));
        txtName->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), txtName);

        const QStringList expected{QStringLiteral("cboMonth"), QStringLiteral("cboDate"),
                                   QStringLiteral("cboYear"), QStringLiteral("cmdCalculate")};
        QStringList reached;
        for (int i = 0; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            reached << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(reached, expected);
    }

    void captions_data()
    {
        QTest::addColumn<QString>("widget");
        QTest::addColumn<QString>("caption");

        QTest::newRow("frame") << u"Frame1"_s << "Personal Details";
        QTest::newRow("calculate") << u"cmdCalculate"_s << "&Get My Mayan Numerology Reading";
        QTest::newRow("open") << u"cmdOpen"_s << "&Open Previously Saved Reading";
        QTest::newRow("window title") << "" << KINWISE_TEST_CAPTION;
    }

    void captions()
    {
        QFETCH(QString, widget);
        QFETCH(QString, caption);

        QWidget* main = ShowMainWindow();
        QCOMPARE(main->objectName(), MainName);
        if (widget.isEmpty()) {
            QCOMPARE(main->windowTitle(), caption); // the same in every language
        } else if (auto* frame = Find<QGroupBox>(main, widget)) {
            QCOMPARE(frame->title(), Shown(Context::Main, caption));
        } else {
            auto* button = Find<QPushButton>(main, widget);
            QVERIFY(button);
            QCOMPARE(button->text(), Shown(Context::Main, caption));
        }
    }

    void requestIsChecked_data() { AddRequestRows(); }

    void requestIsChecked()
    {
        QFETCH(QString, name);
        QFETCH(QString, month);
        QFETCH(int, day);
        QFETCH(int, year);
        QFETCH(QString, message);

        QVERIFY(ShowReadingFor(QStringLiteral("earlier reading"), QStringLiteral("May"), 5, 1955));
        DestroyAllWindows();
        QPointer<QWidget> main = ShowMainWindow();
        EnterRequest(main, name, month, day, year);
        ClickCalculate(main);

        VerifyRequestOutcome(fake(), main, name, month, day, year, message);
        if (!message.isEmpty()) {
            QCOMPARE(CurrentReading().PersonName, std::string("earlier reading"));
        }
    }

    void refusedNameMovesFocusToTheNameBox()
    {
        QWidget* main = ShowMainWindow();
        QVERIFY(Activate(main));
        EnterRequest(main, QStringLiteral("   "), QStringLiteral("May"), 3, 1950);
        auto* cboYear = Find<QComboBox>(main, QStringLiteral("cboYear"));
        cboYear->setFocus();
        QCOMPARE(QApplication::focusWidget(), cboYear);

        ClickCalculate(main);
        QCOMPARE(fake().messages.size(), 1);
        QCOMPARE(QApplication::focusWidget(), Find<QLineEdit>(main, QStringLiteral("txtName")));
    }

    void acceptedRequestBecomesTheReading_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("stored");

        QTest::newRow("plain") << u"Ada"_s << "July" << 15 << 1975 << "Ada";
        QTest::newRow("blanks around, kept inside")
            << u"  Ada  Lovelace   "_s << "December" << 10 << 1915 << "Ada  Lovelace";
        QTest::newRow("first day") << u"X"_s << "January" << 1 << 1900 << "X";
        QTest::newRow("last day") << u"Zoe Q"_s << "December" << 31 << 2016 << "Zoe Q";
        QTest::newRow("leap day") << u"Leap"_s << "February" << 29 << 1988 << "Leap";
        // Only blanks are trimmed: other white space is part of what was typed or pasted.
        QTest::newRow("tabs only") << u"\t\t"_s << "March" << 3 << 1960 << "\t\t";
        QTest::newRow("no-break space kept")
            << u"\u00a0Ada "_s << "March" << 3 << 1960 << u"\u00a0Ada"_s;
        const QString longName(40000, QLatin1Char('n'));
        QTest::newRow("pasted name of 40000 letters")
            << longName << "March" << 3 << 1960 << longName;
    }

    void acceptedRequestBecomesTheReading()
    {
        QFETCH(QString, typed);
        QFETCH(QString, month);
        QFETCH(int, day);
        QFETCH(int, year);
        QFETCH(QString, stored);

        QVERIFY(ShowReadingFor(typed, month, day, year));
        const Reading& reading = CurrentReading();
        QCOMPARE(ShownReading().PersonName, reading.PersonName);
        QCOMPARE(QString::fromStdString(reading.PersonName), stored);
        QCOMPARE(int(reading.BirthYear), year);
        QCOMPARE(QString::fromStdString(reading.BirthMonth), month);
        QCOMPARE(int(reading.BirthDay), day);
        QCOMPARE(reading.DayNumber, EngineReading(month, day, year).DayNumber);
        QCOMPARE(CountWindows(MainName), 0);
        QCOMPARE(CountWindows(ResultName), 1);
        QCOMPARE(fake().endProcessCalls, 0);
    }

    void nothingIsClipped()
    {
        const QStringList clipped = ClippedTexts(ShowMainWindow());
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral("; "))));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
