// A scripted platform for widget tests: records every call and answers from a script, so no test
// ever waits on a dialog, a browser or a printer.
#pragma once

#include "platform/Platform.h"

#include <QHash>
#include <QList>
#include <QQueue>
#include <QStringList>

namespace kinwise::test {

struct ShownMessage
{
    QString text;
    MessageIcon icon;
    MessageButtons buttons;
    QString parentName;
    QString action; // the caption of the button beside OK, if any
};

// Installed for its lifetime.
class FakePlatform : public Platform
{
public:
    // Script
    QQueue<MessageAnswer> messageAnswers;        // default: Ok, or No for a Yes/No question
    QQueue<std::optional<QString>> fileAnswers;  // default: cancelled
    QQueue<std::optional<QString>> printAnswers; // default: printed
    QQueue<float> randomValues;                  // default: 0.999f
    QDate todayValue{2026, 12, 8};
    bool instanceFree = true;
    bool settingsWritable = true;

    // Record
    QList<ShownMessage> messages;
    QList<FileDialogRequest> fileRequests;
    QStringList openedUrls;
    QStringList printedTexts;
    QHash<QString, QString> settings; // "section/key" -> value
    int seedCalls = 0;
    int endProcessCalls = 0;

    MessageAnswer showMessage(QWidget* parent, const QString& text, MessageIcon icon,
                              MessageButtons buttons) override;
    MessageAnswer showMessageWithAction(QWidget* parent, const QString& text, MessageIcon icon,
                                        const QString& action) override;
    std::optional<QString> chooseFile(QWidget* parent, const FileDialogRequest& request) override;
    void openUrl(const QString& address) override;
    std::optional<QString> printDocument(const QTextDocument& document) override;
    QString readSetting(const QString& section, const QString& key) override;
    bool writeSetting(const QString& section, const QString& key, const QString& value) override;
    QDate today() override { return todayValue; }
    void seedRandomFromClock() override { ++seedCalls; }
    float randomUnit() override;
    bool claimSingleInstance() override { return instanceFree; }
    void endProcess() override { ++endProcessCalls; }

private:
    PlatformInstallation m_installation{*this};
};

// Closes and deletes every window left by a test, without counting as the user's close.
void DestroyAllWindows();

// A fake desktop for one test: the user's closes run the program's shutdown against it, and
// every window goes before the fake does, so none outlives the platform it uses.
struct Session : FakePlatform
{
    Session();
    ~Session() override;
};

} // namespace kinwise::test
