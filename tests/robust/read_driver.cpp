// Runs the program's own reading-file and settings code on real paths for the robustness tests.
//   read_driver read <path>                lengths of the four texts read, then peak memory
//   read_driver roundtrip <names.json> <dir>  saves and reopens each name, prints what came back
//   read_driver reminder-get <conf>        the reminder value in a settings file, unscrambled
//   read_driver reminder-set <conf> <text> stores <text> scrambled as the reminder value
#include "files/ReadingFile.h"
#include "files/modHelp.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSettings>

#include <cstdio>
#include <cstring>

namespace {

namespace rf = kinwise::ReadingFile;

// VmHWM from /proc/self/status, in KiB; -1 when it cannot be read.
long PeakKib()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    // /proc files report size 0, so atEnd() cannot be trusted; read to the real end.
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

QString ReminderKey()
{
    return kinwise::modHelp::ScrambleText(QStringLiteral("Duration"));
}

int Read(const char* path)
{
    const rf::Request got = rf::ReadFromPath(QString::fromLocal8Bit(path));
    std::printf("lengths %lld %lld %lld %lld\n", static_cast<long long>(got.name.size()),
                static_cast<long long>(got.year.size()), static_cast<long long>(got.month.size()),
                static_cast<long long>(got.day.size()));
    std::printf("vmhwm_kib %ld\n", PeakKib());
    return 0;
}

int RoundTrip(const char* namesPath, const char* dir)
{
    QFile file(QString::fromLocal8Bit(namesPath));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot open %s\n", namesPath);
        return 1;
    }
    const QJsonArray names = QJsonDocument::fromJson(file.readAll()).array();
    QJsonArray results;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const rf::Request sent{names[i].toString(), QStringLiteral("1999"), QStringLiteral("July"),
                               QStringLiteral("31")};
        const QString path =
            QStringLiteral("%1/name%2.man").arg(QString::fromLocal8Bit(dir)).arg(i);
        QJsonArray one;
        if (const auto reason = rf::WriteToPath(path, rf::Encode(sent))) {
            one = {QStringLiteral("save failed: ") + *reason, QString(), QString(), QString()};
        } else {
            const rf::Request got = rf::ReadFromPath(path);
            one = {got.name, got.year, got.month, got.day};
        }
        results.append(one);
    }
    std::fputs(QJsonDocument(results).toJson(QJsonDocument::Compact).constData(), stdout);
    return 0;
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
    if (argc == 3 && std::strcmp(argv[1], "read") == 0)
        return Read(argv[2]);
    if (argc == 4 && std::strcmp(argv[1], "roundtrip") == 0)
        return RoundTrip(argv[2], argv[3]);
    if (argc == 3 && std::strcmp(argv[1], "reminder-get") == 0)
        return ReminderGet(argv[2]);
    if (argc == 4 && std::strcmp(argv[1], "reminder-set") == 0)
        return ReminderSet(argv[2], argv[3]);
    std::fprintf(stderr, "usage: read_driver read <path> | roundtrip <names.json> <dir> | "
                         "reminder-get <conf> | reminder-set <conf> <text>\n");
    return 2;
}
