// The entry point of the print module, resolved by name when the program first prints.
#pragma once

#include <QString>
#include <QtGlobal>

class QTextDocument;

namespace kinwise {

inline constexpr char PrintModuleName[] = "kinwise_printing";
inline constexpr char PrintEntryName[] = "kinwisePrintDocument";
// Prints on the default printer without a dialog; false with the reason when it could not.
using PrintEntry = bool (*)(const QTextDocument* document, QString* reason);

} // namespace kinwise
