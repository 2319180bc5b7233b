// What the printing module does. Printing needs Qt's print support and, through it, the print
// system's libraries, so it is a plugin of its own, loaded at the first print instead of at every
// start.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtPlugin>

#include <optional>

class QTextDocument;

namespace kinwise {

class PrintingModule
{
public:
    virtual ~PrintingModule() = default;

    // The reason the document could not be printed on the default printer; nothing once it went
    // to the printer.
    virtual std::optional<QString> printOnDefaultPrinter(const QTextDocument& document) = 0;
    // The PDF of the document laid out page by page as the printer gets it, on the paper of the
    // user's region, with the title in its metadata.
    virtual QByteArray reportAsPdf(const QTextDocument& document, const QString& title) = 0;
};

} // namespace kinwise

#define KINWISE_PRINTING_MODULE_IID "example.kinwise.PrintingModule/1"
Q_DECLARE_INTERFACE(kinwise::PrintingModule, KINWISE_PRINTING_MODULE_IID)
