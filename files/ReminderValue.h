// The stored form of the update reminder's date: ISO yyyy-MM-dd, scrambled, so no locale can
// break it.
#pragma once

#include <QDate>
#include <QString>

#include <optional>

namespace kinwise::modHelp {

// The date a stored value holds; nothing when the value is empty or holds no date.
std::optional<QDate> ReadReminderDate(const QString& storedValue);
QString ReminderValueFor(const QDate& date);
// The scrambled key the value is stored under.
QString ReminderKey();

} // namespace kinwise::modHelp
