#include "support/FakePlatform.h"

#include "app/QuitApplication.h"
#include "ui/TopWindow.h"
#include "ui/Windows.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTextDocument>
#include <QWidget>

namespace kinwise::test {

MessageAnswer FakePlatform::showMessage(QWidget* parent, const QString& text, MessageIcon icon,
                                        MessageButtons buttons)
{
    messages.append({text, icon, buttons, parent ? parent->objectName() : QString(), {}});
    if (!messageAnswers.isEmpty()) {
        return messageAnswers.dequeue();
    }
    return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
}

MessageAnswer FakePlatform::showMessageWithAction(QWidget* parent, const QString& text,
                                                  MessageIcon icon, const QString& action)
{
    messages.append(
        {text, icon, MessageButtons::Ok, parent ? parent->objectName() : QString(), action});
    return messageAnswers.isEmpty() ? MessageAnswer::Ok : messageAnswers.dequeue();
}

std::optional<QString> FakePlatform::chooseFile(QWidget*, const FileDialogRequest& request)
{
    fileRequests.append(request);
    return fileAnswers.isEmpty() ? std::nullopt : fileAnswers.dequeue();
}

void FakePlatform::openUrl(const QString& address)
{
    openedUrls.append(address);
}

std::optional<QString> FakePlatform::printDocument(const QTextDocument& document)
{
    printedTexts.append(document.toPlainText());
    return printAnswers.isEmpty() ? std::nullopt : printAnswers.dequeue();
}

QString FakePlatform::readSetting(const QString& section, const QString& key)
{
    return settings.value(section + QLatin1Char('/') + key);
}

bool FakePlatform::writeSetting(const QString& section, const QString& key, const QString& value)
{
    if (!settingsWritable) {
        return false;
    }
    settings.insert(section + QLatin1Char('/') + key, value);
    return true;
}

float FakePlatform::randomUnit()
{
    return randomValues.isEmpty() ? 0.999f : randomValues.dequeue();
}

void DestroyAllWindows()
{
    // Deleting a window also deletes the dialogs it owns, so hold them by guarded pointers.
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : LoadedWindows()) {
        windows.append(window);
    }
    for (const QPointer<QWidget>& window : windows) {
        delete window.data();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

Session::Session()
{
    TopWindow::setQuitHandler(modHelp::QuitApplication);
}

Session::~Session()
{
    DestroyAllWindows();
    TopWindow::setQuitHandler({});
}

} // namespace kinwise::test
