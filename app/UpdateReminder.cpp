#include "app/UpdateReminder.h"

#include "files/ReminderValue.h"

#include "platform/Platform.h"
#include "ui/SitePages.h"

#include <QCoreApplication>

namespace kinwise::modHelp {

namespace {

const QString Section = QStringLiteral("Settings");
constexpr qint64 QuietDays = 14;

void RememberToday(const QDate& today)
{
    platform().writeSetting(Section, ReminderKey(), ReminderValueFor(today));
}

} // namespace

void UpdateReminder()
{
    const QDate today = platform().today();
    // A value that holds no date, altered or damaged, counts as a first run.
    const std::optional<QDate> last =
        ReadReminderDate(platform().readSetting(Section, ReminderKey()));
    if (!last) {
        RememberToday(today);
        return;
    }
    const qint64 days = today.daysTo(*last);
    if (days >= -QuietDays && days <= QuietDays) {
        return;
    }
    const MessageAnswer answer = platform().showMessage(
        nullptr,
        //: The carriage return breaks the line.
        QCoreApplication::translate("kinwise::UpdateReminder",
                                    "There maybe an update to this software available\rDo you "
                                    "want to check for an update?"),
        MessageIcon::Information, MessageButtons::YesNo);
    RememberToday(today);
    if (answer == MessageAnswer::Yes) {
        OpenSitePage(PageKey::Download);
    }
}

} // namespace kinwise::modHelp
