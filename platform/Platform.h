// Everything the windows and commands need from the desktop, behind one interface: the program
// uses Qt's facilities, tests install a scripted fake so that nothing ever blocks on a dialog.
#pragma once

#include <QDate>
#include <QString>

#include <optional>

class QTextDocument;
class QWidget;

namespace kinwise {

enum class MessageIcon
{
    Information,
    Critical
};

enum class MessageButtons
{
    Ok,
    YesNo
};

enum class MessageAnswer
{
    Ok,
    Yes,
    No,
    Action // the one further button of showMessageWithAction
};

struct FileDialogRequest
{
    enum class Kind
    {
        Open,
        Save
    };
    Kind kind = Kind::Open;
    QString title;
    QString filter; // in Qt's form, "Description (*.ext)"
    QString defaultSuffix;
    // A file name to start from, in the user's documents folder; none starts where Qt does.
    QString suggestedName;
};

class Platform
{
public:
    virtual ~Platform() = default;

    // A modal message box captioned with the application title.
    virtual MessageAnswer showMessage(QWidget* parent, const QString& text, MessageIcon icon,
                                      MessageButtons buttons) = 0;
    // The same box with one more button beside OK, captioned action.
    virtual MessageAnswer showMessageWithAction(QWidget* parent, const QString& text,
                                                MessageIcon icon, const QString& action) = 0;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<QString> chooseFile(QWidget* parent,
                                              const FileDialogRequest& request) = 0;
    // Hands the address to the desktop's browser; never waits, reports nothing.
    virtual void openUrl(const QString& address) = 0;
    // Prints on the default printer without a dialog; the reason when it could not.
    virtual std::optional<QString> printDocument(const QTextDocument& document) = 0;

    // The per-user settings store; an absent key or an unreadable store gives the empty text.
    virtual QString readSetting(const QString& section, const QString& key) = 0;
    virtual bool writeSetting(const QString& section, const QString& key, const QString& value) = 0;

    virtual QDate today() = 0;
    virtual void seedRandomFromClock() = 0;
    // A single-precision number with 0 <= r < 1.
    virtual float randomUnit() = 0;

    // True when no other copy of the program runs; the claim lasts until the process ends.
    virtual bool claimSingleInstance() = 0;
    // Ends the process once the current event handler returns.
    virtual void endProcess() = 0;
};

// The installed platform; calling it with none installed is a programming error and stops the
// program with a message saying so.
Platform& platform();

// Installs a platform for its lifetime and puts back the one before it when it goes.
class PlatformInstallation
{
public:
    explicit PlatformInstallation(Platform& platform);
    ~PlatformInstallation();
    PlatformInstallation(const PlatformInstallation&) = delete;
    PlatformInstallation& operator=(const PlatformInstallation&) = delete;

private:
    Platform* m_previous;
};

} // namespace kinwise
