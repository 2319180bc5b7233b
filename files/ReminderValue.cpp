#include "files/ReminderValue.h"

#include "files/modHelp.h"

namespace kinwise::modHelp {

namespace {
const QString DateFormat = QStringLiteral("yyyy-MM-dd");
}

std::optional<QDate> ReadReminderDate(const QString& storedValue)
{
    const QDate date = QDate::fromString(UnscrambleText(storedValue), DateFormat);
    if (!date.isValid()) {
        return std::nullopt;
    }
    return date;
}

QString ReminderValueFor(const QDate& date)
{
    return ScrambleText(date.toString(DateFormat));
}

QString ReminderKey()
{
    return ScrambleText(QStringLiteral("Duration"));
}

} // namespace kinwise::modHelp
