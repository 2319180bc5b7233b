// Reads and writes the reminder in a settings store with the program's own scrambling.
//   settings_driver reminder-get <conf>        the reminder value, unscrambled
//   settings_driver reminder-set <conf> <text> stores <text> scrambled as the reminder value
#include "files/modHelp.h"

#include <QSettings>

#include <cstdio>
#include <cstring>

namespace {

QString ReminderKey()
{
    return kinwise::modHelp::ScrambleText(QStringLiteral("Duration"));
}

int ReminderGet(const char* conf)
{
    QSettings settings(QString::fromLocal8Bit(conf), QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("Settings"));
    if (!settings.contains(ReminderKey())) {
        std::printf("status %d missing\n", static_cast<int>(settings.status()));
        return 0;
    }
    const QString value =
        kinwise::modHelp::UnscrambleText(settings.value(ReminderKey()).toString());
    std::printf("status %d value %s\n", static_cast<int>(settings.status()),
                value.toUtf8().constData());
    return 0;
}

int ReminderSet(const char* conf, const char* text)
{
    QSettings settings(QString::fromLocal8Bit(conf), QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("Settings"));
    settings.setValue(ReminderKey(), kinwise::modHelp::ScrambleText(QString::fromUtf8(text)));
    settings.sync();
    return settings.status() == QSettings::NoError ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 3 && std::strcmp(argv[1], "reminder-get") == 0)
        return ReminderGet(argv[2]);
    if (argc == 4 && std::strcmp(argv[1], "reminder-set") == 0)
        return ReminderSet(argv[2], argv[3]);
    std::fprintf(stderr,
                 "usage: settings_driver reminder-get <conf> | reminder-set <conf> <text>\n");
    return 2;
}
