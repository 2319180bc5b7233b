#include "support/Driver.h"
#include "support/WidgetSuite.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

#include <functional>

using namespace kinwise;
using namespace kinwise::test;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(std::function<void(Reading&)>)

namespace {

using Tweak = std::function<void(Reading&)>;

// One letter per style, so a failing comparison reads as the report looks:
// L label, H heading, V value, G the green footer after a heading.
QString StyleCode(const QTextCharFormat& format)
{
    const bool bold = format.fontWeight() > QFont::Normal;
    const QRgb colour = format.foreground().color().rgb();
    if (bold && colour == qRgb(128, 0, 128))
        return u"L"_s;
    if (bold && colour == qRgb(0, 128, 0))
        return u"H"_s;
    if (!bold && colour == qRgb(0, 0, 0))
        return u"V"_s;
    if (!bold && colour == qRgb(0, 128, 0))
        return u"G"_s;
    return u"?(weight %1, %2)"_s.arg(format.fontWeight()).arg(QColor(colour).name());
}

// Each block as "[style:text]" runs, neighbouring fragments of one style joined.
QStringList Layout(const QTextDocument& document)
{
    QStringList blocks;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QList<std::pair<QString, QString>> runs;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QString style = StyleCode(fragment.charFormat());
            if (!runs.isEmpty() && runs.last().first == style)
                runs.last().second += fragment.text();
            else
                runs.append({style, fragment.text()});
        }
        QString line;
        for (const auto& [style, text] : runs)
            line += u"[%1:%2]"_s.arg(style, text);
        blocks.append(line);
    }
    return blocks;
}

// Builds the expected layout from runs in which "\n" starts a new block.
class Expected
{
public:
    Expected& add(const QString& style, const QString& text)
    {
        const QStringList parts = text.split(u'\n');
        for (qsizetype i = 0; i < parts.size(); ++i) {
            if (i > 0)
                m_blocks.append(QString());
            if (!parts[i].isEmpty())
                m_blocks.last() += u"[%1:%2]"_s.arg(style, parts[i]);
        }
        return *this;
    }
    Expected& field(const QString& label, const std::string& value)
    {
        return add(u"L"_s, label).add(u"V"_s, QString::fromStdString(value) + u'\n');
    }
    Expected& footer(const QString& style = u"V"_s) { return add(style, Footer() + u"\n\n"_s); }
    Expected& heading(const QString& text) { return add(u"H"_s, text + u'\n'); }
    QStringList blocks() const { return m_blocks; }

private:
    QStringList m_blocks{QString()};
};

QStringList ExpectedLayout(const Reading& r, const QString& dateOfBirth)
{
    Expected e;
    e.field(Shown(Context::Report, "Name: "), r.PersonName).footer();
    e.field(Shown(Context::Report, "Date of Birth: "), dateOfBirth.toStdString()).footer();
    e.heading(Shown(Context::Report, "Mayan Day Number / Galactic Tone"));
    e.field(Shown(Context::Report, "Mayan Number: "), std::to_string(r.DayNumber)).footer();
    e.field(Shown(Context::Report, "Mayan Day Number's Description: "), r.NumberDescription)
        .footer();
    e.heading(Shown(Context::Report, "Mayan Day Signs")).footer(u"G"_s);
    e.field(Shown(Context::Report, "Mayan Day Sign: "), r.DaySignName).footer();
    e.field(Shown(Context::Report, "Mayan Gemstone: "), r.Gemstone).footer();
    e.field(Shown(Context::Report, "Mayan Keywords: "), r.Keywords).footer();
    e.field(Shown(Context::Report, "Mayan Significance: "), r.Significance).footer();
    e.field(Shown(Context::Report, "Mayan Day Sign's Description: "), r.SignDescription).footer();
    e.heading(Shown(Context::Report, "Other Mayan Details"));
    e.field(Shown(Context::Report, "Mayan English Name: "), r.EnglishName).footer();
    e.field(Shown(Context::Report, "Famous Personalities born under this sign: "),
            r.FamousPersonalities);
    e.add(u"V"_s, Footer());
    return e.blocks();
}

// A date or a catalogue text as the suite's language writes it.
QString Written(const QString& english, const QString& spanish)
{
    return CatalogueLanguage() == modMayanNumerology::Language::Spanish ? spanish : english;
}

QString January1980(int day)
{
    return Written(u"January %1, 1980"_s, u"%1 de enero de 1980"_s).arg(day);
}

// The first January 1980 day whose reading passes the check, so the rows follow the catalogue.
int JanuaryDay(const std::function<bool(const Reading&)>& wanted)
{
    for (int day = 1; day <= 31; ++day) {
        if (wanted(RequestedReading(u"Ana Lopez"_s, 1980, u"January"_s, day)))
            return day;
    }
    return 0;
}

} // namespace

class TestReport : public WidgetSuite
{
    Q_OBJECT

private slots:
    void pieces_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<Tweak>("tweak");
        QTest::addColumn<bool>("viaWindow");
        QTest::addColumn<QString>("dateOfBirth");
        QTest::addColumn<QString>("wholeLine"); // a line the report must hold as it is, if any

        const Tweak none = [](Reading&) {};
        const QString ana = u"Ana Lopez"_s;
        const QString july = Written(u"July 15, 1975"_s, u"15 de julio de 1975"_s);
        const QString six = Shown(Context::Report, "Mayan Number: ") + u"6"_s;
        QTest::newRow("5 January 1980")
            << ana << 1980 << u"January"_s << 5 << none << false << January1980(5) << QString();
        QTest::newRow("5 January 1980, report window")
            << ana << 1980 << u"January"_s << 5 << none << true << January1980(5) << QString();
        QTest::newRow("15 July 1975")
            << ana << 1975 << u"July"_s << 15 << none << false << july << six;
        QTest::newRow("15 July 1975, report window")
            << ana << 1975 << u"July"_s << 15 << none << true << july << six;

        // Turquoise: the English gemstone with a trailing blank.
        const int turquoise =
            JanuaryDay([](const Reading& r) { return r.DaySignName == "AJ - (BEN)"; });
        QTest::newRow("gemstone with trailing blank")
            << ana << 1980 << u"January"_s << turquoise << none << false << January1980(turquoise)
            << Shown(Context::Report, "Mayan Gemstone: ") + Written(u"Turquoise "_s, u"Turquesa"_s);
        const int thirteen = JanuaryDay([](const Reading& r) { return r.DayNumber == 13; });
        QTest::newRow("number 13, other scripts, report window")
            << u"Zoë Ødegård 李"_s << 1980 << u"January"_s << thirteen << none << true
            << January1980(thirteen) << Shown(Context::Report, "Mayan Number: ") + u"13"_s;

        QTest::newRow("empty name") << QString() << 1980 << u"January"_s << 5 << none << false
                                    << January1980(5) << Shown(Context::Report, "Name: ");
        QTest::newRow("empty gemstone")
            << ana << 1980 << u"January"_s << 5 << Tweak([](Reading& r) { r.Gemstone.clear(); })
            << false << January1980(5) << Shown(Context::Report, "Mayan Gemstone: ");
        QTest::newRow("empty famous people")
            << ana << 1980 << u"January"_s << 5
            << Tweak([](Reading& r) { r.FamousPersonalities.clear(); }) << false << January1980(5)
            << Shown(Context::Report, "Famous Personalities born under this sign: ");
    }

    void pieces()
    {
        QFETCH(QString, name);
        QFETCH(int, year);
        QFETCH(QString, month);
        QFETCH(int, day);
        QFETCH(Tweak, tweak);
        QFETCH(bool, viaWindow);
        QFETCH(QString, dateOfBirth);
        QFETCH(QString, wholeLine);
        QVERIFY2(day > 0, "no day of January 1980 fits the row");

        Reading reading = RequestedReading(name, year, month, day);
        QVERIFY(reading.DayNumber >= 1 && reading.DayNumber <= 13);
        tweak(reading);

        QTextEdit box;
        QTextDocument* document = box.document();
        if (viaWindow) {
            ReportWindow* report = OpenReportWindow(reading);
            QVERIFY(report);
            document = report->findChild<QTextEdit*>(u"RTB"_s)->document();
        } else {
            BuildReport(&box, reading);
        }

        QCOMPARE(Layout(*document), ExpectedLayout(reading, dateOfBirth));

        const QString plain = document->toPlainText();
        QCOMPARE(plain.count(Footer()), 12);
        QVERIFY(plain.endsWith(Footer()));
        QVERIFY(!plain.contains(u'\r'));
        QVERIFY(!plain.contains(QChar::LineSeparator));
        // Plain digits: no padding, no sign, no separator.
        QVERIFY(plain.contains(QRegularExpression(
            u"\n"_s + Shown(Context::Report, "Mayan Number: ") + u"([1-9]|1[0-3])\n"_s)));
        if (!wholeLine.isEmpty())
            QVERIFY2(plain.split(u'\n').contains(wholeLine), qPrintable(wholeLine));
    }

    void sameReadingSameDocument()
    {
        const Reading reading = RequestedReading(u"Ana Lopez"_s, 1975, u"July"_s, 15);
        QPointer<ReportWindow> first = OpenReportWindow(reading);
        QVERIFY(first);
        const QString html = first->findChild<QTextEdit*>(u"RTB"_s)->toHtml();
        first->close();
        ProcessDeletes();
        QVERIFY(!first);

        ReportWindow* second = OpenReportWindow(reading);
        QVERIFY(second);
        QCOMPARE(second->findChild<QTextEdit*>(u"RTB"_s)->toHtml(), html);
    }

    void readOnly()
    {
        ReportWindow* report =
            OpenReportWindow(RequestedReading(u"Ana Lopez"_s, 1980, u"January"_s, 5));
        QVERIFY(report);
        auto* box = report->findChild<QTextEdit*>(u"RTB"_s);
        QVERIFY(box->isReadOnly());
        const QString before = box->toPlainText();
        box->setFocus();
        QTest::keyClicks(box, u"typed"_s);
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box->toPlainText(), before);
        // Copied, the report carries nothing out.
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        QVERIFY(box->textCursor().hasSelection());
        QVERIFY(!QGuiApplication::clipboard()->text().contains(u"Ana"_s));

        // No menu with Copy and Select All, by which the report would reach the clipboard.
        const QPoint at(10, 10);
        QContextMenuEvent menuRequest(QContextMenuEvent::Mouse, at,
                                      box->viewport()->mapToGlobal(at));
        QApplication::sendEvent(box->viewport(), &menuRequest);
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            QVERIFY2(!(qobject_cast<QMenu*>(widget) && widget->isVisible()),
                     "a context menu opened");
        }
    }

    void modalToResultWindow()
    {
        ReportWindow* report =
            OpenReportWindow(RequestedReading(u"Ana Lopez"_s, 1980, u"January"_s, 5));
        QVERIFY(report);
        QWidget* result = FindWindow(ResultName);
        QVERIFY(result);
        QVERIFY(report->isVisible());
        QCOMPARE(report->windowModality(), Qt::WindowModal);
        QCOMPARE(report->parentWidget(), result);

        QPointer<ReportWindow> closing = report;
        report->close();
        ProcessDeletes();
        QVERIFY(!closing);
        QCOMPARE(FindWindow(ResultName), result);
        QVERIFY(result->isVisible());
        QCOMPARE(fake().endProcessCalls, 0);
    }

    void nothingIsClipped()
    {
        ReportWindow* report =
            OpenReportWindow(RequestedReading(u"Ana Lopez"_s, 1975, u"July"_s, 15));
        QVERIFY(report);
        const QStringList clipped = ClippedTexts(report);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u"; "_s)));
    }

    // The keyboard reads the report through a caret that is never seen: the focused box looks as
    // the unfocused one does.
    void caretIsNotDrawn()
    {
        ReportWindow* report =
            OpenReportWindow(RequestedReading(u"Ana Lopez"_s, 1975, u"July"_s, 15));
        QVERIFY(report);
        QVERIFY(Activate(report));
        auto* box = report->findChild<QTextEdit*>(u"RTB"_s);
        QCOMPARE(QApplication::focusWidget(), box);
        const QImage focused = box->viewport()->grab().toImage();
        box->clearFocus();
        QCOMPARE(box->viewport()->grab().toImage(), focused);
    }
};

QTEST_MAIN(TestReport)
#include "tst_report.moc"
