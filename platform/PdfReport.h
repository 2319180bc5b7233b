// The report as a PDF file, for when no printer can take it.
#pragma once

#include <QByteArray>
#include <QString>

#include <variant>

class QTextDocument;

namespace kinwise {

// The PDF of the document laid out page by page as the printer gets it, on the paper of the user's
// region, with the title in its metadata; or the reason it could not be made.
std::variant<QByteArray, QString> ReportAsPdf(const QTextDocument& document, const QString& title);

} // namespace kinwise
