// The Save, Open and Print commands of the report and main windows.
#pragma once

#include "Platform.h"
#include "ReadingFile.h"
#include "engine/modMayanNumerology.h"

#include <optional>

class QTextEdit;
class QWidget;

namespace kinwise {

FileDialogRequest SaveDialogRequest();
FileDialogRequest OpenDialogRequest();

// Asks where to save and writes the request of the reading; a failure is reported, and an earlier
// file of that name is never damaged.
void SaveReadingFile(QWidget* parent, const FileDialogRequest& dialog, const Reading& reading);

// Asks for a reading file and reads its four texts; nothing when cancelled or refused.
std::optional<ReadingFile::Request> OpenReadingFile(QWidget* parent);

// Prints the whole report on the default printer, reporting a failure.
void PrintReport(QWidget* parent, QTextEdit* report);

} // namespace kinwise
