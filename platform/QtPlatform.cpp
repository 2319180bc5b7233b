#include "platform/QtPlatform.h"

#include "platform/Identity.h"
#include "platform/QtPrinting.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLockFile>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>

namespace kinwise {

namespace {

QMessageBox::Icon ToQtIcon(MessageIcon icon)
{
    return icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information;
}

// A lone carriage return separates lines of a message; the label breaks only on line feeds.
QString LinesOf(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

QSettings OpenSettingsStore()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, Identity::OrganizationName,
                     Identity::ExecutableName);
}

// The group in which Qt's file dialog keeps its history, last folder and view.
const QString FileDialogGroup = QStringLiteral("FileDialog");

// Qt's settings file, shared by every Qt program of the user.
QSettings QtProjectSettings()
{
    return QSettings(QSettings::UserScope, QStringLiteral("QtProject"));
}

struct FileDialogSettings
{
    bool fileExisted = false;
    QVariantMap values;
};

FileDialogSettings ReadFileDialogSettings()
{
    QSettings settings = QtProjectSettings();
    FileDialogSettings saved{QFileInfo::exists(settings.fileName()), {}};
    settings.beginGroup(FileDialogGroup);
    for (const QString& key : settings.allKeys()) {
        saved.values.insert(key, settings.value(key));
    }
    return saved;
}

// Puts back only the dialog's own group; whatever else changed in the file meanwhile stays.
void RestoreFileDialogSettings(const FileDialogSettings& saved)
{
    QSettings settings = QtProjectSettings();
    settings.remove(FileDialogGroup);
    settings.beginGroup(FileDialogGroup);
    for (auto value = saved.values.cbegin(); value != saved.values.cend(); ++value) {
        settings.setValue(value.key(), value.value());
    }
    settings.endGroup();
    settings.sync();
    if (!saved.fileExisted && settings.allKeys().isEmpty()) {
        QFile::remove(settings.fileName());
    }
}

QString InstanceLockPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    return folder + QLatin1Char('/') + Identity::ExecutableName + QStringLiteral(".lock");
}

QString DocumentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

// Qt's own texts that the user meets in the file dialogs and in a failed save, marked so that the
// program's translation carries them too: Qt's Spanish says "fichero" where the program says
// "archivo". The program's translator is asked before Qt's.
[[maybe_unused]] constexpr const char* QtTexts[] = {
    QT_TRANSLATE_NOOP("QFileDialog", "File &name:"),
    QT_TRANSLATE_NOOP("QFileDialog", "Files of type:"),
    QT_TRANSLATE_NOOP("QFileDialog", "All Files (*)"),
    QT_TRANSLATE_NOOP("QFileDialog", "%1 already exists.\nDo you want to replace it?"),
    QT_TRANSLATE_NOOP("QFileDialog",
                      "%1\nFile not found.\nPlease verify the correct file name was given."),
    QT_TRANSLATE_NOOP("QFileSystemModel", "Invalid filename"),
    QT_TRANSLATE_NOOP("QIODevice", "No such file or directory"),
};

// Qt's own dialog on every desktop, since only it lets the program refuse a name before the
// dialog closes: a name in a folder that does not exist gets Qt's warning and the dialog stays
// open, as for other names it refuses.
class ReadingFileDialog : public QFileDialog
{
public:
    using QFileDialog::QFileDialog;

    void accept() override
    {
        const QStringList files = selectedFiles();
        if (acceptMode() == AcceptSave && !files.isEmpty() && !InExistingFolder(files.first())) {
            const QString folder = QDir::toNativeSeparators(QFileInfo(files.first()).path());
            QMessageBox::warning(this, windowTitle(),
                                 QCoreApplication::translate(
                                     "QFileDialog", "%1\nDirectory not found.\nPlease verify the "
                                                    "correct directory name was given.")
                                     .arg(folder));
            return;
        }
        QFileDialog::accept();
    }

private:
    static bool InExistingFolder(const QString& path)
    {
        const QFileInfo chosen(path);
        return chosen.isDir() || QFileInfo(chosen.path()).isDir();
    }
};

// When a dialog goes, the window manager picks the next active window, and openbox may pick none
// when two go at once (Qt's replace question, then its file dialog): the window that opened the
// dialog asks to be active again, and Qt gives the focus back to the control that had it there.
void ReactivateOpener(QWidget* parent)
{
    QWidget* opener = parent ? parent->window() : nullptr;
    if (opener && opener->isVisible()) {
        opener->activateWindow();
    }
}

std::optional<QString> RunFileDialog(QWidget* parent, const FileDialogRequest& request)
{
    const bool saving = request.kind == FileDialogRequest::Kind::Save;
    ReadingFileDialog dialog(parent, request.title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(request.filter);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.suggestedName.isEmpty()) {
        dialog.setDirectory(DocumentsFolder());
        dialog.selectFile(request.suggestedName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

} // namespace

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform() = default;

MessageAnswer QtPlatform::showMessage(QWidget* parent, const QString& text, MessageIcon icon,
                                      MessageButtons buttons)
{
    const auto qtButtons = buttons == MessageButtons::YesNo
                               ? QMessageBox::Yes | QMessageBox::No
                               : QMessageBox::StandardButtons(QMessageBox::Ok);
    QMessageBox box(ToQtIcon(icon), Identity::ApplicationTitle, LinesOf(text), qtButtons, parent);
    const int answer = box.exec();
    ReactivateOpener(parent);
    switch (answer) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    default:
        return MessageAnswer::Ok;
    }
}

MessageAnswer QtPlatform::showMessageWithAction(QWidget* parent, const QString& text,
                                                MessageIcon icon, const QString& action)
{
    QMessageBox box(ToQtIcon(icon), Identity::ApplicationTitle, LinesOf(text), QMessageBox::Ok,
                    parent);
    const QPushButton* further = box.addButton(action, QMessageBox::AcceptRole);
    // Enter and Escape keep meaning OK, which ends the command as before.
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
    ReactivateOpener(parent);
    return box.clickedButton() == further ? MessageAnswer::Action : MessageAnswer::Ok;
}

std::optional<QString> QtPlatform::chooseFile(QWidget* parent, const FileDialogRequest& request)
{
    // The dialog writes its group of Qt's settings file when it goes; the program keeps nothing
    // between runs but its reminder date, so that group is put back.
    const FileDialogSettings before = ReadFileDialogSettings();
    std::optional<QString> chosen = RunFileDialog(parent, request);
    ReactivateOpener(parent);
    RestoreFileDialogSettings(before);
    return chosen;
}

void QtPlatform::openUrl(const QString& address)
{
    QDesktopServices::openUrl(QUrl(address, QUrl::StrictMode));
}

std::optional<QString> QtPlatform::printDocument(const QTextDocument& document)
{
    return PrintOnDefaultPrinter(document);
}

QString QtPlatform::readSetting(const QString& section, const QString& key)
{
    QSettings settings = OpenSettingsStore();
    if (settings.status() != QSettings::NoError) {
        return {};
    }
    settings.beginGroup(section);
    return settings.value(key).toString();
}

bool QtPlatform::writeSetting(const QString& section, const QString& key, const QString& value)
{
    QSettings settings = OpenSettingsStore();
    if (settings.status() != QSettings::NoError) {
        return false;
    }
    settings.beginGroup(section);
    settings.setValue(key, value);
    settings.endGroup();
    settings.sync();
    return settings.status() == QSettings::NoError;
}

QDate QtPlatform::today()
{
    return QDate::currentDate();
}

void QtPlatform::seedRandomFromClock()
{
    m_random.seed(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()));
}

float QtPlatform::randomUnit()
{
    // 24 random bits fill a float's mantissa exactly, so the result never rounds up to 1.
    constexpr float Scale = 1.0f / 16777216.0f;
    return static_cast<float>(m_random.generate() >> 8) * Scale;
}

bool ClaimInstanceLock(QLockFile& lock)
{
    // Only a lock whose process has gone counts as stale, however old it is.
    lock.setStaleLockTime(0);
    return lock.tryLock(0) || lock.error() != QLockFile::LockFailedError;
}

bool QtPlatform::claimSingleInstance()
{
    m_instanceLock = std::make_unique<QLockFile>(InstanceLockPath());
    return ClaimInstanceLock(*m_instanceLock);
}

void QtPlatform::endProcess()
{
    QCoreApplication::exit(0);
}

} // namespace kinwise
