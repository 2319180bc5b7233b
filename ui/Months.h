// The month names the windows show; the reading itself keeps the engine's English names.
#pragma once

#include <QString>

namespace kinwise {

// The month list's entry for month 1..12.
QString MonthInList(int month);

// The month of a birth date as the report writes it; an unknown name is written as it is.
QString MonthInDate(const QString& englishMonth);

} // namespace kinwise
