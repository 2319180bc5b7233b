// The printing module: the report on the default printer and as a PDF, the one place that uses
// Qt's print support.
#include "platform/PrintingModule.h"
#include "platform/Identity.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QLibrary>
#include <QLocale>
#include <QMarginsF>
#include <QObject>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#if KINWISE_HAVE_CUPS
#include <cups/cups.h>
#endif

#include <memory>

namespace kinwise {

namespace {

// The white paper left around the report on every side.
constexpr qreal PageMarginMillimetres = 20;
const QMarginsF PageMargins(PageMarginMillimetres, PageMarginMillimetres, PageMarginMillimetres,
                            PageMarginMillimetres);
// What QPrinter::HighResolution gives on CUPS, so that a PDF lays the report out as paper does.
constexpr int PdfDotsPerInch = 1200;

// Draws the lines of the laid-out document that the layout put in the area, at its top left.
void DrawLinesIn(QPainter& painter, const QTextDocument& document, const QRectF& area)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextLayout* lines = block.layout();
        for (int index = 0; index < lines->lineCount(); ++index) {
            const QTextLine line = lines->lineAt(index);
            if (area.contains(line.rect().translated(lines->position()).center())) {
                line.draw(&painter, lines->position() - area.topLeft());
            }
        }
    }
}

// The report as laid out on the device's page, each line on the page the layout gave it, which
// never cuts a line at a page's end. QTextDocument::print would add a page number to every page,
// and painting the layout clipped to each page would still write the lines just beyond the clip
// into the file, hidden on paper but found by a search or a copy of the text.
void PaintPages(const QTextDocument& document, QPagedPaintDevice& device)
{
    const std::unique_ptr<QTextDocument> pages(document.clone());
    pages->documentLayout()->setPaintDevice(&device);
    pages->setDocumentMargin(0);
    // A paged device's own size is its page's area inside the margins.
    const QSizeF page(device.width(), device.height());
    pages->setPageSize(page);

    QPainter painter;
    if (!painter.begin(&device)) {
        return;
    }
    // Text without a colour of its own prints black, whatever the desktop's palette.
    painter.setPen(Qt::black);
    // pageCount() finishes the layout, which a document without a view does lazily.
    for (int index = 0; index < pages->pageCount(); ++index) {
        if (index > 0) {
            device.newPage();
        }
        DrawLinesIn(painter, *pages, QRectF(QPointF(0, index * page.height()), page));
    }
    painter.end();
}

// Qt's print plugin sends the job through libcups and drops the scheduler's answer, which libcups
// keeps as the last answer of this thread. The plugin has loaded libcups by then, so asking for it
// by name finds that same copy; the program itself never links it, and starts without it.
std::optional<QString> JobRefusal()
{
#if KINWISE_HAVE_CUPS
    QLibrary cups(QStringLiteral("cups"), 2);
    using LastError = decltype(&cupsLastError);
    using LastErrorString = decltype(&cupsLastErrorString);
    const auto lastError = reinterpret_cast<LastError>(cups.resolve("cupsLastError"));
    const auto lastErrorString =
        reinterpret_cast<LastErrorString>(cups.resolve("cupsLastErrorString"));
    if (!lastError || !lastErrorString || lastError() <= IPP_STATUS_OK_EVENTS_COMPLETE) {
        return std::nullopt;
    }
    return QString::fromUtf8(lastErrorString());
#else
    return std::nullopt;
#endif
}

QString Tr(const char* text)
{
    return QCoreApplication::translate("kinwise::Printing", text);
}

std::optional<QString> PrintOnDefaultPrinter(const QTextDocument& document)
{
    const QPrinterInfo target = QPrinterInfo::defaultPrinter();
    if (target.isNull()) {
        return Tr(QT_TRANSLATE_NOOP("kinwise::Printing", "No default printer is set up."));
    }
    QPrinter printer(target, QPrinter::HighResolution);
    printer.setDocName(Tr(QT_TRANSLATE_NOOP("kinwise::Printing", "Mayan numerology reading")));
    // QPrinter starts on A4 whatever paper the printer holds, and no dialog is there to correct it.
    const QPageSize paper = target.defaultPageSize();
    if (paper.isValid()) {
        printer.setPageSize(paper);
    }
    printer.setPageMargins(PageMargins, QPageLayout::Millimeter);
    if (!printer.isValid()) {
        return Tr(QT_TRANSLATE_NOOP("kinwise::Printing", "The default printer cannot be used."));
    }
    PaintPages(document, printer);
    if (printer.printerState() == QPrinter::Error) {
        return Tr(QT_TRANSLATE_NOOP("kinwise::Printing", "The printer reported an error."));
    }
    if (const std::optional<QString> refusal = JobRefusal()) {
        return Tr(QT_TRANSLATE_NOOP("kinwise::Printing", "The printer %1 refused the report: %2"))
            .arg(target.printerName(), *refusal);
    }
    return std::nullopt;
}

QByteArray ReportAsPdf(const QTextDocument& document, const QString& title)
{
    QByteArray bytes;
    QBuffer file(&bytes);
    // The writer does not open its device itself; a buffer in memory always opens.
    file.open(QIODevice::WriteOnly);
    QPdfWriter writer(&file);
    writer.setResolution(PdfDotsPerInch);
    writer.setTitle(title);
    writer.setCreator(Identity::WindowCaption);
    // A printer's paper follows its region when it is set up; the PDF's follows the user's.
    const bool letter = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
    writer.setPageLayout(QPageLayout(QPageSize(letter ? QPageSize::Letter : QPageSize::A4),
                                     QPageLayout::Portrait, PageMargins, QPageLayout::Millimeter));
    PaintPages(document, writer);
    return bytes;
}

} // namespace

class QtPrintingModule : public QObject, public PrintingModule
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID KINWISE_PRINTING_MODULE_IID)
    Q_INTERFACES(kinwise::PrintingModule)

public:
    std::optional<QString> printOnDefaultPrinter(const QTextDocument& document) override
    {
        return PrintOnDefaultPrinter(document);
    }

    QByteArray reportAsPdf(const QTextDocument& document, const QString& title) override
    {
        return ReportAsPdf(document, title);
    }
};

} // namespace kinwise

#include "PrintingModule.moc"
