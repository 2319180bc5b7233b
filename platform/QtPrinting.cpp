// Printing lives apart so that the print subsystem stays out of the rest of the platform.
#include "QtPlatform.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

namespace kinwise {

std::optional<QString> QtPlatform::printDocument(const QTextDocument& document)
{
    if (QPrinterInfo::defaultPrinter().isNull()) {
        return QCoreApplication::translate("Kinwise", "No default printer is set up.");
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QCoreApplication::translate("Kinwise", "Mayan numerology reading"));
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
