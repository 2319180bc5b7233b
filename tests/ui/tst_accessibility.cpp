// What a screen reader is told of every focusable control: its role, its name and, for the date
// lists, the entry they hold, their entries and actions; where each window puts the first focus;
// and that the report's text holds what it shows.
#include "support/Driver.h"
#include "support/WidgetSuite.h"
#include "ui/Accessibility.h"
#include "ui/ReadingCommands.h"

#include <QAccessible>
#include <QFocusFrame>
#include <QSet>
#include <QTextEdit>

using namespace kinwise;
using namespace Qt::StringLiterals;
using namespace kinwise::test;

namespace {

struct Voice
{
    const char* window;
    const char* control;
    QAccessible::Role role;
    // The translation context of the texts below.
    const char* context;
    // The English name as the source gives it (a button's without its "&"); a trailing "*" asks
    // only for the start of the name.
    const char* name;
    // The value of a list; empty for other controls.
    const char* value = "";
    // A list's count of entries; 0 for other controls.
    int entries = 0;
};

// The reading shown is that of 15 July 1975: day number 6, the Rhythmic tone.
// clang-format off
const Voice Voices[] = {
    {"main", "txtName", QAccessible::EditableText, Context::Main, "Name"},
    {"main", "cboMonth", QAccessible::ComboBox, Context::Main, "Month of birth", "January", 12},
    {"main", "cboDate", QAccessible::ComboBox, Context::Main, "Day of birth", "1", 31},
    {"main", "cboYear", QAccessible::ComboBox, Context::Main, "Year of birth", "1900", 117},
    {"main", "cmdCalculate", QAccessible::Button, Context::Main, "&Get My Mayan Numerology Reading"},
    {"main", "cmdOpen", QAccessible::Button, Context::Main, "&Open Previously Saved Reading"},
    {"main", "Label14", QAccessible::Link, Context::Main,
     "Talk it over with friendly readers in our Mayan forum! Click Here To Visit %1 Now."},
    {"main", "lblCobrand", QAccessible::Link, Context::Brand, "Co-brand this software for your site.*"},
    {"main", "lblFullBrand", QAccessible::Link, Context::Brand, "Home Business Opportunity.*"},
    {"result", "lblMayanDayNumber", QAccessible::StaticText, Context::Result,
     "Mayan Day Number 6, the Rhythmic tone. Imbalance is the keyword*"},
    {"result", "picGalacticTone", QAccessible::Graphic, Context::Result,
     "Tone 6, Rhythmic: a picture of 1 bar and 1 dot"},
    {"result", "Label14", QAccessible::Link, Context::Result,
     "Talk it over with friendly readers in our Mayan forum! Click Here To Visit %1 Now."},
    {"result", "lblCobrand", QAccessible::Link, Context::Brand, "Co-brand this software for your site.*"},
    {"result", "lblFullBrand", QAccessible::Link, Context::Brand, "Home Business Opportunity.*"},
    {"result", "cmdSave", QAccessible::Button, Context::Result, "Save"},
    {"result", "cmdBack", QAccessible::Button, Context::Result, "Back"},
    {"report", "Label14", QAccessible::Link, Context::Report,
     "Talk it over with friendly readers in our Mayan forum!"},
    {"report", "Label1", QAccessible::Link, Context::Report, "Click Here To Visit %1 Now"},
    {"report", "RTB", QAccessible::EditableText, Context::Report, "Report"},
    {"report", "cmdSave", QAccessible::Button, Context::Report, "&Save"},
    {"report", "cmdPrint", QAccessible::Button, Context::Report, "&Print"},
    {"report", "lblCobrand", QAccessible::Link, Context::Brand, "Co-brand this software for your site.*"},
    {"report", "lblFullBrand", QAccessible::Link, Context::Brand, "Home Business Opportunity.*"},
    {"about", "lblHomePage", QAccessible::Link, Context::About, "Click here to visit %1"},
    {"about", "lblCoBrand", QAccessible::Link, Context::About, "Click here for more details."},
    {"about", "cmdOK", QAccessible::Button, Context::About, "OK"},
};
// clang-format on

// The suite runs under an English and under a Spanish desktop.
bool InSpanish()
{
    return CatalogueLanguage() == modMayanNumerology::Language::Spanish;
}

// A text as the desktop's language gives it, with the site's address and without the access key
// of a button; empty when it is no whole text of the program (only its English is known).
QString Translated(const Voice& voice, const char* english)
{
    QString text = Shown(voice.context, english);
    if (InSpanish() && text == QLatin1String(english)) {
        return {};
    }
    if (text.contains(QStringLiteral("%1"))) {
        text = text.arg(WebAddress);
    }
    return voice.role == QAccessible::Button ? QString(text).remove(QLatin1Char('&')) : text;
}

bool NameMatches(const QString& name, const QString& expected)
{
    return expected.endsWith(QLatin1Char('*')) ? name.startsWith(expected.chopped(1))
                                               : name == expected;
}

// What a reader reads of a list: its text, the entry shown.
QString ShownText(QAccessibleInterface* voice)
{
    QAccessibleTextInterface* text = voice->textInterface();
    return text ? text->text(0, text->characterCount()) : QStringLiteral("(no text)");
}

} // namespace

class TestAccessibility : public WidgetSuite
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        WidgetSuite::initTestCase();
        InstallAccessibility();
    }

    void controlsHaveTheirVoice_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("english");
        QTest::addColumn<int>("entries");
        for (const Voice& voice : Voices) {
            QTest::addRow("%s %s", voice.window, voice.control)
                << voice.window << voice.control << int(voice.role) << Translated(voice, voice.name)
                << Shown(voice.context, voice.value) << QString::fromUtf8(voice.name)
                << voice.entries;
        }
    }

    void controlsHaveTheirVoice()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(int, role);
        QFETCH(QString, name);
        QFETCH(QString, value);
        QFETCH(QString, english);
        QFETCH(int, entries);
        QWidget* widget = Find<QWidget>(ShowWindow(window), control);
        QVERIFY(widget);
        QAccessibleInterface* voice = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(voice);
        QCOMPARE(voice->role(), QAccessible::Role(role));
        const QString spoken = voice->text(QAccessible::Name);
        // A name composed from several texts is, in another language, at least not English.
        QVERIFY2(name.isEmpty() ? !spoken.isEmpty() && !NameMatches(spoken, english)
                                : NameMatches(spoken, name),
                 qPrintable(spoken));
        if (!value.isEmpty()) {
            QCOMPARE(voice->text(QAccessible::Value), value);
            QCOMPARE(ShownText(voice), value);
            // The entries are those of the list's one child, Qt's popup list.
            QCOMPARE(voice->childCount(), 1);
            QCOMPARE(voice->child(0)->childCount(), entries);
            QAccessibleActionInterface* actions = voice->actionInterface();
            QVERIFY(actions);
            QCOMPARE(actions->actionNames(),
                     QStringList({QAccessibleActionInterface::showMenuAction(),
                                  QAccessibleActionInterface::pressAction()}));
        }
    }

    // A control added or renamed without a row above would go unheard.
    void everyFocusableControlHasARow_data()
    {
        QTest::addColumn<QString>("window");
        for (const char* window : {"main", "result", "report", "about"}) {
            QTest::newRow(window) << window;
        }
    }

    void everyFocusableControlHasARow()
    {
        QFETCH(QString, window);
        QWidget* shown = ShowWindow(window);
        QSet<QString> focusable;
        for (QWidget* widget : shown->findChildren<QWidget*>()) {
            if ((widget->focusPolicy() & Qt::TabFocus) && widget->window() == shown) {
                focusable << widget->objectName();
            }
        }
        for (const Voice& voice : Voices) {
            if (window == QLatin1String(voice.window)) {
                focusable.remove(QLatin1String(voice.control));
            }
        }
        QVERIFY2(focusable.isEmpty(), qPrintable(focusable.values().join(QLatin1Char(' '))));
    }

    // Where the keyboard, and with it a screen reader, starts in each window, that a control
    // drawing no focus of its own is framed, and where the first Tab goes.
    void firstFocus_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("framed");
        QTest::addColumn<QString>("afterTab");
        QTest::newRow("main") << u"main"_s << "txtName" << false << "cboMonth";
        QTest::newRow("result: the reading, framed")
            << u"result"_s << "lblMayanDayNumber" << true << "cmdSave";
        QTest::newRow("report: the report") << u"report"_s << "RTB" << false << "cmdSave";
        QTest::newRow("about") << u"about"_s << "cmdOK" << false << "lblHomePage";
    }

    void firstFocus()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(bool, framed);
        QFETCH(QString, afterTab);
        QWidget* shown = ShowWindow(window);
        QVERIFY(Activate(shown));
        QWidget* first = Find<QWidget>(shown, control);
        QTRY_COMPARE(QApplication::focusWidget(), first);
        if (auto* report = qobject_cast<QTextEdit*>(first)) {
            QCOMPARE(report->textCursor().position(), 0);
            QVERIFY(report->textInteractionFlags() & Qt::TextSelectableByKeyboard);
        }
        auto* frame = shown->findChild<QFocusFrame*>();
        QCOMPARE(frame && frame->isVisible() && frame->widget() == first, framed);
        QTest::keyClick(first, Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), Find<QWidget>(shown, afterTab));
        QVERIFY(!frame || !frame->isVisible());
    }

    // A name read from a file may hold control characters: the report shows each as its picture,
    // and a screen reader gets the same text, with nothing after a NUL cut off.
    void reportTextHoldsWhatItShows_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shown");
        QTest::newRow("NUL") << u"Ann\u0000Lee"_s << u"Ann\u2400Lee"_s;
        QTest::newRow("escape, DEL") << u"A\u0001\u001b\u007fB"_s << u"A\u2401\u241b\u2421B"_s;
        QTest::newRow("tab kept") << u"A\tB"_s << u"A\tB"_s;
    }

    void reportTextHoldsWhatItShows()
    {
        QFETCH(QString, name);
        QFETCH(QString, shown);
        Reading reading = EngineReading(QStringLiteral("July"), 15, 1975);
        reading.PersonName = name.toStdString();
        QAccessibleTextInterface* text =
            QAccessible::queryAccessibleInterface(OpenReportWindow(reading)->RTB)->textInterface();
        QVERIFY(text->text(0, text->characterCount()).contains(shown));
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
