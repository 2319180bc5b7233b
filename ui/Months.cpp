#include "ui/Months.h"

#include "engine/modMayanNumerology.h"

#include <QCoreApplication>

#include <array>

namespace kinwise {

namespace {

using Months = std::array<const char*, modMayanNumerology::MonthCount>;

// Marked here so that the translation tools see them, each in the context of the window that
// shows it (a list's entry is capitalised in Spanish, a month inside a date is not).
constexpr char ListContext[] = "kinwise::MainWindow";
constexpr Months ListMonths{
    QT_TRANSLATE_NOOP("kinwise::MainWindow", "January"),
    QT_TRANSLATE_NOOP("kinwise::MainWindow", "February"),
    QT_TRANSLATE_NOOP("kinwise::MainWindow", "March"),
    QT_TRANSLATE_NOOP("kinwise::MainWindow", "April"),
    QT_TRANSLATE_NOOP("kinwise::MainWindow", "May"),
    QT_TRANSLATE_NOOP("kinwise::MainWindow", "June"),
    QT_TRANSLATE_NOOP("kinwise::MainWindow", "July"),
    QT_TRANSLATE_NOOP("kinwise::MainWindow", "August"),
    QT_TRANSLATE_NOOP("kinwise::MainWindow", "September"),
    QT_TRANSLATE_NOOP("kinwise::MainWindow", "October"),
    QT_TRANSLATE_NOOP("kinwise::MainWindow", "November"),
    QT_TRANSLATE_NOOP("kinwise::MainWindow", "December"),
};

constexpr char DateContext[] = "kinwise::ReportWindow";
constexpr Months DateMonths{
    QT_TRANSLATE_NOOP("kinwise::ReportWindow", "January"),
    QT_TRANSLATE_NOOP("kinwise::ReportWindow", "February"),
    QT_TRANSLATE_NOOP("kinwise::ReportWindow", "March"),
    QT_TRANSLATE_NOOP("kinwise::ReportWindow", "April"),
    QT_TRANSLATE_NOOP("kinwise::ReportWindow", "May"),
    QT_TRANSLATE_NOOP("kinwise::ReportWindow", "June"),
    QT_TRANSLATE_NOOP("kinwise::ReportWindow", "July"),
    QT_TRANSLATE_NOOP("kinwise::ReportWindow", "August"),
    QT_TRANSLATE_NOOP("kinwise::ReportWindow", "September"),
    QT_TRANSLATE_NOOP("kinwise::ReportWindow", "October"),
    QT_TRANSLATE_NOOP("kinwise::ReportWindow", "November"),
    QT_TRANSLATE_NOOP("kinwise::ReportWindow", "December"),
};

// English shows the engine's own month names, which the reading and its file keep.
constexpr bool SameAsEngine(const Months& months)
{
    for (std::size_t i = 0; i < months.size(); ++i) {
        if (std::string_view(months[i]) != modMayanNumerology::MonthNames[i]) {
            return false;
        }
    }
    return true;
}
static_assert(SameAsEngine(ListMonths) && SameAsEngine(DateMonths));

} // namespace

QString MonthInList(int month)
{
    return QCoreApplication::translate(ListContext, ListMonths.at(month - 1));
}

QString MonthInDate(const QString& englishMonth)
{
    for (const char* month : DateMonths) {
        if (englishMonth == QLatin1String(month)) {
            return QCoreApplication::translate(DateContext, month);
        }
    }
    return englishMonth;
}

} // namespace kinwise
