// Printing a document on the default printer, with no dialog.
#pragma once

#include <QString>

#include <optional>

class QTextDocument;

namespace kinwise {

// The reason when the document could not be printed; nothing once it went to the printer.
std::optional<QString> PrintOnDefaultPrinter(const QTextDocument& document);

} // namespace kinwise
