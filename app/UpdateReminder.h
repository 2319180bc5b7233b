#pragma once

#include <QDate>
#include <QString>

#include <optional>

namespace kinwise::modHelp {

// The stored value under the scrambled key, read back as the date it holds; nothing when the
// value is empty or holds no date.
std::optional<QDate> ReadReminderDate(const QString& storedValue);
QString ReminderValueFor(const QDate& date);
QString ReminderKey();

// At most every fifteen days, asks whether to look for an update and opens the download page.
void UpdateReminder();

} // namespace kinwise::modHelp
