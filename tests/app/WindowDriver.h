// Shared by the window-level suites: a fake platform that outlives the test's windows, and ways
// to reach the real windows by their object names.
#pragma once

#include "CurrentReading.h"
#include "FakePlatform.h"
#include "ReportWindow.h"
#include "ResultWindow.h"
#include "Windows.h"
#include "engine/modMayanNumerology.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QWidget>

namespace kinwise::test {

// Windows go before the fake is uninstalled, so no window outlives the platform it uses.
struct Session : FakePlatform
{
    ~Session() override { DestroyAllWindows(); }
};

inline void ProcessDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The top-level window of that object name, after pending deletions; null when there is none.
template <typename Window = QWidget> Window* FindWindow(const QString& objectName)
{
    ProcessDeletes();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == objectName) {
            return qobject_cast<Window*>(window);
        }
    }
    return nullptr;
}

inline Reading RequestedReading(const QString& name, int year, const QString& month, int day)
{
    Reading reading;
    reading.PersonName = name.toStdString();
    reading.BirthYear = static_cast<std::int16_t>(year);
    reading.BirthMonth = month.toStdString();
    reading.BirthDay = static_cast<std::int16_t>(day);
    modMayanNumerology::ComputeReading(reading);
    return reading;
}

// Shows the result window for the reading and clicks its Save button, as the user does.
inline ReportWindow* OpenReportWindow(const Reading& reading)
{
    CurrentReading() = reading;
    ResultWindow* result = ShowResultWindow();
    auto* save = result->findChild<QPushButton*>(QStringLiteral("cmdSave"));
    if (!save) {
        return nullptr;
    }
    QTest::mouseClick(save, Qt::LeftButton);
    return result->findChild<ReportWindow*>(QStringLiteral("frmSave"));
}

} // namespace kinwise::test
