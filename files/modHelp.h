#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace kinwise::modHelp {

inline constexpr int ScrambleShift = 10;

// Adds ScrambleShift to every byte; a byte that would pass 255 is left out.
QByteArray ScrambleText(QByteArrayView bytes);
// Subtracts ScrambleShift from every byte; a byte that would drop below 0 is left out.
QByteArray UnscrambleText(QByteArrayView bytes);

// A QByteArray or a narrow literal converts to both QByteArrayView and QString; both mean bytes.
inline QByteArray ScrambleText(const QByteArray& bytes)
{
    return ScrambleText(QByteArrayView(bytes));
}
inline QByteArray UnscrambleText(const QByteArray& bytes)
{
    return UnscrambleText(QByteArrayView(bytes));
}
inline QByteArray ScrambleText(const char* bytes)
{
    return ScrambleText(QByteArrayView(bytes));
}
inline QByteArray UnscrambleText(const char* bytes)
{
    return UnscrambleText(QByteArrayView(bytes));
}

// The UTF-8 bytes of text, scrambled, one character per byte (Latin-1).
QString ScrambleText(const QString& text);
// Characters above U+00FF are left out; the rest are unscrambled and given to DecodeText.
QString UnscrambleText(const QString& text);

// UTF-8 when the bytes are valid UTF-8, otherwise Windows-1252.
QString DecodeText(QByteArrayView bytes);

} // namespace kinwise::modHelp
