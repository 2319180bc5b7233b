#include "ui/ReadingCommands.h"

#include "platform/Identity.h"
#include "ui/Texts.h"
#include "ui/Windows.h"

#include <QTextCursor>
#include <QTextEdit>

namespace kinwise {

namespace {

modMayanNumerology::Language& StoredLanguage()
{
    static modMayanNumerology::Language language = modMayanNumerology::Language::English;
    return language;
}

Reading& StoredReading()
{
    static Reading reading;
    return reading;
}

ReadingFile::Request RequestOf(const Reading& reading)
{
    return {QString::fromStdString(reading.PersonName), QString::number(reading.BirthYear),
            QString::fromStdString(reading.BirthMonth), QString::number(reading.BirthDay)};
}

} // namespace

void SetCatalogueLanguage(modMayanNumerology::Language language)
{
    StoredLanguage() = language;
}

modMayanNumerology::Language CatalogueLanguage()
{
    return StoredLanguage();
}

const Reading& CurrentReading()
{
    return StoredReading();
}

ResultWindow* CalculateReading(const Reading& request)
{
    Reading& reading = StoredReading();
    reading = request;
    modMayanNumerology::ComputeReading(reading, CatalogueLanguage());
    return ShowResultWindow(reading);
}

FileDialogRequest SaveDialogRequest()
{
    return {FileDialogRequest::Kind::Save,
            Identity::ApplicationTitle,
            Texts::SaveFilter(),
            QStringLiteral("man"),
            {}};
}

FileDialogRequest OpenDialogRequest()
{
    return {FileDialogRequest::Kind::Open,
            Texts::OpenTitle(),
            Texts::OpenFilter(),
            QStringLiteral("man"),
            {}};
}

void SaveReadingFile(QWidget* parent, const FileDialogRequest& dialog, const Reading& reading)
{
    const std::optional<QString> path = platform().chooseFile(parent, dialog);
    if (!path) {
        return;
    }
    const std::optional<QString> failure =
        ReadingFile::WriteToPath(*path, ReadingFile::Encode(RequestOf(reading)));
    if (failure) {
        platform().showMessage(parent, Texts::SaveFailed(*path, *failure), MessageIcon::Critical,
                               MessageButtons::Ok);
    }
}

std::optional<ReadingFile::Request> OpenReadingFile(QWidget* parent)
{
    const std::optional<QString> path = platform().chooseFile(parent, OpenDialogRequest());
    if (!path) {
        return std::nullopt;
    }
    if (!path->endsWith(QStringLiteral("man"), Qt::CaseSensitive)) {
        platform().showMessage(parent, Texts::CheckTheFile(), MessageIcon::Critical,
                               MessageButtons::Ok);
        return std::nullopt;
    }
    return ReadingFile::ReadFromPath(*path);
}

std::optional<QString> PrintReport(QTextEdit* report)
{
    QTextCursor cursor = report->textCursor();
    cursor.clearSelection();
    report->setTextCursor(cursor);
    return platform().printDocument(*report->document());
}

} // namespace kinwise
