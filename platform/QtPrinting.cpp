#include "platform/QtPrinting.h"

#include <QCoreApplication>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

namespace kinwise {

std::optional<QString> PrintOnDefaultPrinter(const QTextDocument& document)
{
    const QPrinterInfo target = QPrinterInfo::defaultPrinter();
    if (target.isNull()) {
        return QCoreApplication::translate("Kinwise", "No default printer is set up.");
    }
    QPrinter printer(target, QPrinter::HighResolution);
    printer.setDocName(QCoreApplication::translate("Kinwise", "Mayan numerology reading"));
    // QPrinter starts on A4 whatever paper the printer holds, and no dialog is there to correct it.
    const QPageSize paper = target.defaultPageSize();
    if (paper.isValid()) {
        printer.setPageSize(paper);
    }
    if (!printer.isValid()) {
        return QCoreApplication::translate("Kinwise", "The default printer cannot be used.");
    }
    document.print(&printer);
    if (printer.printerState() == QPrinter::Error) {
        return QCoreApplication::translate("Kinwise", "The printer reported an error.");
    }
    return std::nullopt;
}

} // namespace kinwise
