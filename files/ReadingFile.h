#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>
#include <variant>

class QIODevice;

namespace kinwise::ReadingFile {

// The four texts a reading file holds, in file order.
struct Request
{
    QString name;
    QString year;  // decimal digits, "1975"
    QString month; // English month name, "March"
    QString day;   // "7"

    bool operator==(const Request&) const = default;
};

inline constexpr qsizetype LineCount = 4;
// Bytes kept of one line; the rest of a longer line is skipped.
inline constexpr qsizetype MaxLineBytes = 1024 * 1024;
// The longest name that comes back whole: a UTF-16 unit takes at most three UTF-8 bytes.
inline constexpr int MaxNameLength = static_cast<int>(MaxLineBytes / 3);
// Four full lines with CR LF. Nothing past this is read, so a file without line ends costs a
// bounded read; a skipped overlong line that runs past it leaves the later lines empty.
inline constexpr qsizetype MaxReadBytes = LineCount * (MaxLineBytes + 2);

// Four scrambled UTF-8 lines, each ended by CR LF, nothing else.
QByteArray Encode(const Request& request);
// Lines end at CR (a LF right after it is part of the line end); missing lines stay empty.
Request Decode(QByteArrayView bytes);
// Decode of what the device gives until it ends or fails; a failure keeps the lines read before.
Request ReadFrom(QIODevice& device);
// What ReadFromPath gives: the file's Request, or why it could not be read.
using ReadResult = std::variant<Request, QString>;
// ReadFrom a regular file; anything else, or a file that cannot be opened, gives the reason.
ReadResult ReadFromPath(const QString& path);
// Replaces path atomically; the reason on failure, nothing on success.
std::optional<QString> WriteToPath(const QString& path, const QByteArray& bytes);

} // namespace kinwise::ReadingFile
