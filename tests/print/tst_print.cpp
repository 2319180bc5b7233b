#include "ReportDocument.h"
#include "platform/QtPlatform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

using namespace kinwise::test;

namespace {

const QString QueueName = QStringLiteral("KinwisePDF");
constexpr int RenderDpi = 150;
// The white paper left around the printed report on every side.
constexpr double PageMarginMillimetres = 20;
// How far pdftotext's word boxes, drawn from the font's extent, may stand out of a line.
constexpr double BoxSlackPoints = 2;

struct PdfWord
{
    int page = 0; // from 0
    QString text;
    QRectF box; // in points from the page's top left corner
};

// The words of every page with their boxes, from pdftotext's XHTML output.
QList<PdfWord> ParseWords(const QByteArray& xhtml)
{
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" "
                       "yMax=\"([0-9.]+)\">([^<]*)</word>"));
    QList<PdfWord> words;
    const QStringList pages = QString::fromUtf8(xhtml).split(QStringLiteral("<page "));
    for (qsizetype page = 1; page < pages.size(); ++page) {
        auto it = word.globalMatch(pages.at(page));
        while (it.hasNext()) {
            const auto match = it.next();
            QString text = match.captured(5);
            text.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
                .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
                .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
                .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
            // Like the flowing text, so that a ligature inside a word does not hide it.
            text = text.normalized(QString::NormalizationForm_KC);
            words.append(
                {int(page - 1), text,
                 QRectF(QPointF(match.captured(1).toDouble(), match.captured(2).toDouble()),
                        QPointF(match.captured(3).toDouble(), match.captured(4).toDouble()))});
        }
    }
    return words;
}

// The inkiest pixel of a box: anti-aliasing pales the glyph edges, not the stems.
QColor InkIn(const QImage& page, const QRectF& points)
{
    const double scale = RenderDpi / 72.0;
    const QRect pixels = QRectF(points.topLeft() * scale, points.bottomRight() * scale)
                             .toAlignedRect()
                             .intersected(page.rect());
    QColor darkest = Qt::white;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        for (int x = pixels.left(); x <= pixels.right(); ++x) {
            const QColor colour = page.pixelColor(x, y);
            if (colour.lightness() < darkest.lightness()) {
                darkest = colour;
            }
        }
    }
    return darkest;
}

bool Near(const QColor& a, const QColor& b)
{
    constexpr int Tolerance = 48;
    return qAbs(a.red() - b.red()) <= Tolerance && qAbs(a.green() - b.green()) <= Tolerance &&
           qAbs(a.blue() - b.blue()) <= Tolerance;
}

QString Describe(const QColor& colour)
{
    return QStringLiteral("rgb(%1, %2, %3)")
        .arg(colour.red())
        .arg(colour.green())
        .arg(colour.blue());
}

// pdftotext's text with every run of white space made one space, so that a paragraph reads as
// one string whatever its line and page breaks; compatibility normalisation undoes the font's
// ligatures, which come back as single characters such as "ﬁ".
QString FlowingText(const QByteArray& layout)
{
    return QString::fromUtf8(layout).simplified().normalized(QString::NormalizationForm_KC);
}

QString NumberedSentences(int count)
{
    QStringList sentences;
    for (int i = 1; i <= count; ++i) {
        sentences.append(
            QStringLiteral("Sentence %1 keeps the reading going so the paragraph flows on.")
                .arg(i));
    }
    return sentences.join(QLatin1Char(' '));
}

} // namespace

class TestPrint : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_output = qEnvironmentVariable("KINWISE_TEST_PRINT_OUTPUT");
        m_script = qEnvironmentVariable("KINWISE_TEST_PRINTER_SCRIPT");
        m_queueDir = qEnvironmentVariable("KINWISE_TEST_PRINTER_DIR");
        QVERIFY2(!m_output.isEmpty() && !m_script.isEmpty() && !m_queueDir.isEmpty(),
                 "run through CTest, which starts the private print queue");
    }

    void defaultPrinterIsThePrivateQueue()
    {
        // Only the private scheduler is visible, and its default is what Qt takes.
        QCOMPARE(QPrinterInfo::availablePrinterNames(), QStringList{QueueName});
        QCOMPARE(QPrinterInfo::defaultPrinter().printerName(), QueueName);
        // Not QPrinter's own A4, so that printing on the wrong paper shows in the page size.
        QCOMPARE(QPrinterInfo::defaultPrinter().defaultPageSize().id(), QPageSize::Letter);
    }

    void printsTheReport_data()
    {
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("paragraph");
        QTest::addColumn<int>("pages");

        QTest::newRow("one page")
            << QStringLiteral("Mayan reading for Ixchel Balam") << QStringLiteral("Day sign:")
            << QStringLiteral("Ahau, the lord")
            << QStringLiteral(
                   "Your day sign speaks of light and of beginnings. People born under it tend to "
                   "lead without asking for the lead, to finish what others leave half done and to "
                   "carry a quiet sense of purpose through years of change. The count of days "
                   "returns to this sign every twenty days, and each return is a chance to look at "
                   "what has grown since the last one.")
            << 1;
        QTest::newRow("accented letters")
            << QStringLiteral("Lectura para José Núñez") << QStringLiteral("Señal del día:")
            << QStringLiteral("Kʼan, la semilla de maíz")
            << QStringLiteral(
                   "La semilla guarda en silencio lo que será: raíz, tallo, hoja y "
                   "fruto. Quien nace bajo ella crece despacio, pero con firmeza, y sabe "
                   "esperar la lluvia. ¿Pingüino o colibrí? Ambos, según el día.")
            << 1;
        QTest::newRow("two pages")
            << QStringLiteral("Long reading for Ana") << QStringLiteral("Tone:")
            << QStringLiteral("13") << NumberedSentences(90) << 2;
        QTest::newRow("very long name")
            << QStringLiteral("Mayan reading") << QStringLiteral("Name:")
            << QStringLiteral("Ixchel Balam Itzel Nikte Yaretzi ").repeated(400).trimmed()
            << QStringLiteral("The reading follows the name.") << 3;
    }

    void printsTheReport()
    {
        QFETCH(QString, heading);
        QFETCH(QString, label);
        QFETCH(QString, value);
        QFETCH(QString, paragraph);
        QFETCH(int, pages);

        // Every job overwrites the one file; removed first, a failed job cannot pass off the last.
        if (QFileInfo::exists(m_output)) {
            QVERIFY2(QFile::remove(m_output), qPrintable(m_output));
        }

        QTextDocument document;
        FillReport(document, {heading, label, value, paragraph});
        kinwise::QtPlatform platform;
        const std::optional<QString> reason = platform.printDocument(document);
        QVERIFY2(!reason.has_value(), qPrintable(reason.value_or(QString())));

        const ToolResult waited =
            RunTool(m_script, {QStringLiteral("wait-job"), m_queueDir, QStringLiteral("60")});
        QVERIFY2(waited.ok, qPrintable(waited.error));
        QVERIFY(QFileInfo(m_output).size() > 0);
        // Kept beside the queue's file for a look after a failure.
        const QString tag = QString::fromLatin1(QTest::currentDataTag())
                                .replace(QLatin1Char(' '), QLatin1Char('-'));
        const QString copy = QFileInfo(m_output).dir().filePath(tag + QStringLiteral(".pdf"));
        QFile::remove(copy);
        QVERIFY(QFile::copy(m_output, copy));

        const ToolResult info = RunTool(QStringLiteral("pdfinfo"), {m_output});
        QVERIFY2(info.ok, qPrintable(info.error));
        const auto pageCount = QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)$"),
                                                  QRegularExpression::MultilineOption)
                                   .match(QString::fromUtf8(info.output));
        QVERIFY2(pageCount.hasMatch(), info.output.constData());
        QCOMPARE(pageCount.captured(1).toInt(), pages);
        // The report is laid out on the printer's own paper.
        const auto pageSize =
            QRegularExpression(QStringLiteral("^Page size:\\s+([0-9.]+) x ([0-9.]+) pts"),
                               QRegularExpression::MultilineOption)
                .match(QString::fromUtf8(info.output));
        QVERIFY2(pageSize.hasMatch(), info.output.constData());
        const QSize paper = QPrinterInfo::defaultPrinter().defaultPageSize().sizePoints();
        QCOMPARE(
            QSize(qRound(pageSize.captured(1).toDouble()), qRound(pageSize.captured(2).toDouble())),
            paper);

        // All of the text once, in reading order, and nothing else: no page number, no line twice.
        const ToolResult layout =
            RunTool(QStringLiteral("pdftotext"),
                    {QStringLiteral("-layout"), m_output, QStringLiteral("-")});
        QVERIFY2(layout.ok, qPrintable(layout.error));
        const QString printed = FlowingText(layout.output);
        QVERIFY2(printed == QStringList({heading, label, value, paragraph})
                                .join(QLatin1Char(' '))
                                .simplified()
                                .normalized(QString::NormalizationForm_KC),
                 qPrintable(QStringLiteral("printed text:\n") + printed));

        // The fonts travel with the file, and the label's bold is a font of its own.
        const ToolResult fonts = RunTool(QStringLiteral("pdffonts"), {m_output});
        QVERIFY2(fonts.ok, qPrintable(fonts.error));
        const QStringList fontLines =
            QString::fromUtf8(fonts.output).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY2(fontLines.size() >= 3, fonts.output.constData());
        // The "emb" column sits where the header's fourth run of dashes is.
        const QStringList rulers = fontLines.at(1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QVERIFY2(rulers.size() >= 4, fonts.output.constData());
        const qsizetype embColumn =
            rulers.at(0).size() + rulers.at(1).size() + rulers.at(2).size() + 3;
        bool sawBold = false;
        bool sawRegular = false;
        for (const QString& line : fontLines.mid(2)) {
            QVERIFY2(line.mid(embColumn, 3) == QStringLiteral("yes"),
                     qPrintable(QStringLiteral("font not embedded:\n") +
                                QString::fromUtf8(fonts.output)));
            if (line.section(QLatin1Char(' '), 0, 0).contains(QStringLiteral("Bold"))) {
                sawBold = true;
            } else {
                sawRegular = true;
            }
        }
        QVERIFY2(sawBold && sawRegular, fonts.output.constData());

        // Each part shows in its own colour, on whichever page it starts.
        QTemporaryDir work;
        QVERIFY(work.isValid());
        const ToolResult render =
            RunTool(QStringLiteral("pdftoppm"),
                    {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(RenderDpi),
                     m_output, work.filePath(QStringLiteral("page"))});
        QVERIFY2(render.ok, qPrintable(render.error));
        QList<QImage> images;
        for (int number = 1; number <= pages; ++number) {
            images.append(QImage(work.filePath(QStringLiteral("page-%1.png").arg(number))));
            QVERIFY(!images.last().isNull());
        }
        const ToolResult boxes = RunTool(QStringLiteral("pdftotext"),
                                         {QStringLiteral("-bbox"), m_output, QStringLiteral("-")});
        QVERIFY2(boxes.ok, qPrintable(boxes.error));
        const QList<PdfWord> words = ParseWords(boxes.output);

        // Every word stays inside the margins: a line cut at a page's end or a page number would
        // reach into them.
        const double margin = PageMarginMillimetres * 72 / 25.4 - BoxSlackPoints;
        const QRectF body = QRectF(QPointF(0, 0), QSizeF(paper))
                                .marginsRemoved(QMarginsF(margin, margin, margin, margin));
        for (const PdfWord& word : words) {
            QVERIFY2(body.contains(word.box),
                     qPrintable(QStringLiteral("\"%1\" on page %2 reaches into the margin")
                                    .arg(word.text)
                                    .arg(word.page + 1)));
        }

        const QList<std::pair<QString, QColor>> parts{{heading, HeadingColour},
                                                      {label, LabelColour},
                                                      {value, ValueColour},
                                                      {paragraph, ValueColour}};
        qsizetype next = 0;
        for (const auto& [part, colour] : parts) {
            const QString firstWord = part.section(QLatin1Char(' '), 0, 0);
            while (next < words.size() && words.at(next).text != firstWord) {
                ++next;
            }
            QVERIFY2(next < words.size(),
                     qPrintable(QStringLiteral("no word \"%1\"").arg(firstWord)));
            const QColor ink = InkIn(images.at(words.at(next).page), words.at(next).box);
            QVERIFY2(Near(ink, colour),
                     qPrintable(QStringLiteral("\"%1\" is %2, expected %3")
                                    .arg(firstWord, Describe(ink), Describe(colour))));
            ++next;
        }
    }

    void reportsWhyNothingPrints_data()
    {
        // The printer exists and is the default, yet the report cannot reach it.
        QTest::addColumn<bool>("noTemporaryFolder"); // TMPDIR names a folder that does not exist
        QTest::addColumn<bool>("queueRefuses");      // the queue rejects jobs until the case ends
        QTest::addColumn<QString>("reason");         // how the message the user reads begins

        QTest::newRow("temporary folder missing")
            << true << false << QStringLiteral("The printer reported an error.");
        QTest::newRow("queue refuses jobs")
            << false << true
            << QStringLiteral("The printer %1 refused the report: ").arg(QueueName);
    }

    void reportsWhyNothingPrints()
    {
        QFETCH(bool, noTemporaryFolder);
        QFETCH(bool, queueRefuses);
        QFETCH(QString, reason);

        QTemporaryDir work;
        QVERIFY(work.isValid());
        const std::optional<QByteArray> temporaryFolder =
            qEnvironmentVariableIsSet("TMPDIR") ? std::optional(qgetenv("TMPDIR")) : std::nullopt;
        const auto mend = qScopeGuard([&] {
            temporaryFolder ? qputenv("TMPDIR", *temporaryFolder) : qunsetenv("TMPDIR");
            if (queueRefuses) {
                RunTool(QStringLiteral("/usr/sbin/cupsaccept"), {QueueName});
            }
        });
        if (noTemporaryFolder) {
            qputenv("TMPDIR", QFile::encodeName(work.filePath(QStringLiteral("missing"))));
        }
        if (queueRefuses) {
            const ToolResult refusing =
                RunTool(QStringLiteral("/usr/sbin/cupsreject"), {QueueName});
            QVERIFY2(refusing.ok, qPrintable(refusing.error));
        }

        const FailedPrint print = PrintThatFails();
        QVERIFY2(print.wrong.isEmpty(), qPrintable(print.wrong));
        QVERIFY2(print.reason.has_value(), "the print went through");
        QVERIFY2(print.reason->startsWith(reason), qPrintable(*print.reason));
        QVERIFY(QDir(work.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
    }

private:
    QString m_output;
    QString m_script;
    QString m_queueDir;
};

QTEST_MAIN(TestPrint)
#include "tst_print.moc"
