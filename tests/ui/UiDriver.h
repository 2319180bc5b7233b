// Shared by the widget suites: reaching the real windows by object name and driving them as a
// user does, with the fake platform answering for the desktop.
#pragma once

#include "CurrentReading.h"
#include "FakePlatform.h"
#include "MainWindow.h"
#include "ResultWindow.h"
#include "Windows.h"
#include "engine/modMayanNumerology.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QWidget>

#include <memory>

namespace kinwise::test {

inline const QString MainName = QStringLiteral("frmMain");
inline const QString ResultName = QStringLiteral("frmMayanNumerologyResult");
inline const QString AboutName = QStringLiteral("frmAbout");
inline const QString PageBase = QStringLiteral("https://www.kinwise.example/kinwise/ssd.php?page=");

inline const QStringList MonthNames{
    QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
    QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
    QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
    QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};

inline void ProcessDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Real windows and dialogs only: menus and tool tips are top-level too.
inline QList<QWidget*> OpenWindows()
{
    ProcessDeletes();
    QList<QWidget*> windows;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->windowType() == Qt::Window || window->windowType() == Qt::Dialog) {
            windows.append(window);
        }
    }
    return windows;
}

inline int CountWindows(const QString& objectName)
{
    int count = 0;
    for (QWidget* window : OpenWindows()) {
        count += window->objectName() == objectName ? 1 : 0;
    }
    return count;
}

template <typename Window = QWidget> Window* FindWindow(const QString& objectName)
{
    for (QWidget* window : OpenWindows()) {
        if (window->objectName() == objectName) {
            return qobject_cast<Window*>(window);
        }
    }
    return nullptr;
}

template <typename Child> Child* Find(QWidget* window, const QString& objectName)
{
    return window ? window->findChild<Child*>(objectName) : nullptr;
}

// Focus checks need an active window.
inline bool Activate(QWidget* window)
{
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

inline void Choose(QComboBox* list, const QString& text)
{
    list->setCurrentIndex(list->findText(text, Qt::MatchExactly));
}

// Types the request into the main window; the lists are set by choosing their entries.
inline void EnterRequest(QWidget* main, const QString& name, const QString& month, int day,
                         int year)
{
    auto* txtName = Find<QLineEdit>(main, QStringLiteral("txtName"));
    txtName->clear();
    QTest::keyClicks(txtName, name);
    Choose(Find<QComboBox>(main, QStringLiteral("cboMonth")), month);
    Choose(Find<QComboBox>(main, QStringLiteral("cboDate")), QString::number(day));
    Choose(Find<QComboBox>(main, QStringLiteral("cboYear")), QString::number(year));
}

inline void ClickCalculate(QWidget* main)
{
    QTest::mouseClick(Find<QPushButton>(main, QStringLiteral("cmdCalculate")), Qt::LeftButton);
}

// From a fresh main window to the result window of that date; null if none appeared.
inline QWidget* ShowReadingFor(const QString& name, const QString& month, int day, int year)
{
    QWidget* main = ShowMainWindow();
    EnterRequest(main, name, month, day, year);
    ClickCalculate(main);
    return FindWindow(ResultName);
}

inline Reading EngineReading(const QString& month, int day, int year)
{
    Reading reading;
    reading.BirthDay = static_cast<std::int16_t>(day);
    reading.BirthMonth = month.toStdString();
    reading.BirthYear = static_cast<std::int16_t>(year);
    modMayanNumerology::ComputeReading(reading);
    return reading;
}

// The first date from 1 January 1900 whose day number is that one.
inline QDate FirstDateWithNumber(int dayNumber)
{
    for (QDate date(1900, 1, 1); date.year() <= 2016; date = date.addDays(1)) {
        if (EngineReading(MonthNames[date.month() - 1], date.day(), date.year()).DayNumber ==
            dayNumber) {
            return date;
        }
    }
    return {};
}

// Every label and button text of the window that does not fit where it is drawn, as
// "name \"text\" needs WxH in WxH"; pictures must fit whole too, and each widget must lie within
// its parent.
inline QStringList ClippedTexts(QWidget* window)
{
    QStringList clipped;
    const auto check = [&clipped](const QWidget* widget, const QString& text, const QRect& room,
                                  const QSize& needed) {
        if (needed.width() > room.width() || needed.height() > room.height()) {
            clipped << QStringLiteral("%1 \"%2\" needs %3x%4 in %5x%6")
                           .arg(widget->objectName(), text)
                           .arg(needed.width())
                           .arg(needed.height())
                           .arg(room.width())
                           .arg(room.height());
        }
        // A widget reaching past its parent is cut off there, whatever its own size.
        const QWidget* parent = widget->parentWidget();
        if (parent && !parent->rect().contains(widget->geometry())) {
            clipped << QStringLiteral("%1 reaches past %2")
                           .arg(widget->objectName(), parent->objectName());
        }
    };
    for (QLabel* label : window->findChildren<QLabel*>()) {
        const QRect room = label->contentsRect();
        if (!label->pixmap().isNull()) {
            check(label, QStringLiteral("picture"), room,
                  label->pixmap().deviceIndependentSize().toSize());
            continue;
        }
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        check(label, label->text(), room,
              QFontMetrics(label->font()).boundingRect(room, flags, label->text()).size());
    }
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect room =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const QRect needed =
            QFontMetrics(button->font())
                .boundingRect(room, Qt::AlignCenter | Qt::TextShowMnemonic, button->text());
        check(button, button->text(), room, needed.size());
    }
    return clipped;
}

// Requests as the user may enter them and the message each must give; an empty message means
// the request is accepted.
inline void AddRequestRows()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("message");

    const QString name = QStringLiteral("Please Enter Your Name");
    const QString date = QStringLiteral("Please Enter Correct Date Or Month!");
    const QString spaced = QStringLiteral("Please Enter Correct Date Or Month !");
    const QString accepted;

    QTest::newRow("empty name") << ""
                                << "July" << 15 << 1975 << name;
    QTest::newRow("blanks only") << "    "
                                 << "July" << 15 << 1975 << name;
    QTest::newRow("empty name before 31 April") << ""
                                                << "April" << 31 << 1990 << name;
    QTest::newRow("blank name before 30 February") << "  "
                                                   << "February" << 30 << 1999 << name;

    QTest::newRow("29 Feb 1904") << "Ada"
                                 << "February" << 29 << 1904 << accepted;
    QTest::newRow("29 Feb 2000") << "Ada"
                                 << "February" << 29 << 2000 << accepted;
    QTest::newRow("29 Feb 2016") << "Ada"
                                 << "February" << 29 << 2016 << accepted;
    QTest::newRow("30 Feb 2000") << "Ada"
                                 << "February" << 30 << 2000 << date;
    QTest::newRow("31 Feb 1904") << "Ada"
                                 << "February" << 31 << 1904 << date;
    QTest::newRow("28 Feb 1900") << "Ada"
                                 << "February" << 28 << 1900 << accepted;
    QTest::newRow("29 Feb 1900") << "Ada"
                                 << "February" << 29 << 1900 << date;
    QTest::newRow("29 Feb 1901") << "Ada"
                                 << "February" << 29 << 1901 << date;
    QTest::newRow("29 Feb 2015") << "Ada"
                                 << "February" << 29 << 2015 << date;
    QTest::newRow("30 Feb 1999") << "Ada"
                                 << "February" << 30 << 1999 << date;
    QTest::newRow("31 Feb 1999") << "Ada"
                                 << "February" << 31 << 1999 << date;

    QTest::newRow("31 April") << "Ada"
                              << "April" << 31 << 1990 << spaced;
    QTest::newRow("31 June") << "Ada"
                             << "June" << 31 << 1990 << spaced;
    QTest::newRow("31 September") << "Ada"
                                  << "September" << 31 << 1990 << spaced;
    QTest::newRow("31 November") << "Ada"
                                 << "November" << 31 << 1990 << spaced;
    QTest::newRow("30 April") << "Ada"
                              << "April" << 30 << 1990 << accepted;
    QTest::newRow("30 November") << "Ada"
                                 << "November" << 30 << 1990 << accepted;
    for (const char* month : {"January", "March", "May", "July", "August", "October", "December"}) {
        QTest::addRow("31 %s", month) << "Ada" << month << 31 << 1990 << accepted;
    }
}

// The expected icon of each message above.
inline MessageIcon IconOf(const QString& message)
{
    return message == QStringLiteral("Please Enter Your Name") ? MessageIcon::Critical
                                                               : MessageIcon::Information;
}

} // namespace kinwise::test
