// The commands of the windows that work on readings: calculate, save, open and print.
#pragma once

#include "engine/modMayanNumerology.h"
#include "files/ReadingFile.h"
#include "platform/Platform.h"

#include <optional>

class QTextEdit;
class QWidget;

namespace kinwise {

class ResultWindow;

// The language of the catalogue texts of every reading computed from now on; English at first.
void SetCatalogueLanguage(modMayanNumerology::Language language);
modMayanNumerology::Language CatalogueLanguage();

// The program's one current reading: the last request the calculate command accepted, with
// what was computed from it.
const Reading& CurrentReading();

// The calculate command once the request is valid: the request becomes the current reading, is
// computed and shown in a new result window.
ResultWindow* CalculateReading(const Reading& request);

FileDialogRequest SaveDialogRequest();
FileDialogRequest OpenDialogRequest();

// Asks where to save and writes the request of the reading; a failure is reported, and an earlier
// file of that name is never damaged.
void SaveReadingFile(QWidget* parent, const FileDialogRequest& dialog, const Reading& reading);

// Asks for a reading file and reads its four texts; nothing when cancelled, or when refused with
// a message that says why.
std::optional<ReadingFile::Request> OpenReadingFile(QWidget* parent);

// Prints the whole report on the default printer; the reason when it could not.
std::optional<QString> PrintReport(QTextEdit* report);

} // namespace kinwise
