#include "ui/ReadingCommands.h"

#include "platform/Identity.h"
#include "ui/Windows.h"

#include <QCoreApplication>
#include <QTextCursor>
#include <QTextEdit>

namespace kinwise {

namespace {

// The texts of the reading commands, which several windows share.
class ReadingCommands
{
    Q_DECLARE_TR_FUNCTIONS(kinwise::ReadingCommands)
};

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
            //: The type of a saved reading file (the file itself is not RTF).
            ReadingCommands::tr("Rich Text Format (*.man)"),
            QStringLiteral("man"),
            {}};
}

FileDialogRequest OpenDialogRequest()
{
    return {FileDialogRequest::Kind::Open,
            ReadingCommands::tr("Select the source file"),
            ReadingCommands::tr("Mayan Astrology (*.man)"),
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
        platform().showMessage(
            parent,
            ReadingCommands::tr("The reading could not be saved to %1.\n\n%2").arg(*path, *failure),
            MessageIcon::Critical, MessageButtons::Ok);
    }
}

std::optional<ReadingFile::Request> OpenReadingFile(QWidget* parent)
{
    const std::optional<QString> path = platform().chooseFile(parent, OpenDialogRequest());
    if (!path) {
        return std::nullopt;
    }
    if (!path->endsWith(QStringLiteral("man"), Qt::CaseSensitive)) {
        platform().showMessage(parent, ReadingCommands::tr("Please Check The File."),
                               MessageIcon::Critical, MessageButtons::Ok);
        return std::nullopt;
    }
    ReadingFile::ReadResult read = ReadingFile::ReadFromPath(*path);
    if (const QString* failure = std::get_if<QString>(&read)) {
        platform().showMessage(
            parent,
            ReadingCommands::tr("The file %1 could not be read.\n\n%2").arg(*path, *failure),
            MessageIcon::Critical, MessageButtons::Ok);
        return std::nullopt;
    }
    return std::get<ReadingFile::Request>(std::move(read));
}

std::optional<QString> PrintReport(QTextEdit* report)
{
    QTextCursor cursor = report->textCursor();
    cursor.clearSelection();
    report->setTextCursor(cursor);
    return platform().printDocument(*report->document());
}

} // namespace kinwise
