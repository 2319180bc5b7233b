#include "files/modHelp.h"

#include <QStringDecoder>

#include <array>

namespace kinwise::modHelp {

namespace {

// Windows-1252 0x80..0x9F; the five codes it leaves undefined keep their C1 control.
constexpr std::array<char16_t, 32> Cp1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

template <typename Shift> QByteArray Shifted(QByteArrayView bytes, Shift shift)
{
    QByteArray out;
    out.reserve(bytes.size());
    for (const char byte : bytes) {
        const int code = shift(static_cast<unsigned char>(byte));
        if (code >= 0 && code <= 255)
            out.append(static_cast<char>(code));
    }
    return out;
}

} // namespace

QByteArray ScrambleText(QByteArrayView bytes)
{
    return Shifted(bytes, [](int code) { return code + ScrambleShift; });
}

QByteArray UnscrambleText(QByteArrayView bytes)
{
    return Shifted(bytes, [](int code) { return code - ScrambleShift; });
}

QString ScrambleText(const QString& text)
{
    return QString::fromLatin1(ScrambleText(text.toUtf8()));
}

QString UnscrambleText(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar ch : text) {
        if (ch.unicode() <= 0xFF)
            bytes.append(static_cast<char>(ch.unicode()));
    }
    return DecodeText(UnscrambleText(bytes));
}

QString DecodeText(QByteArrayView bytes)
{
    // Stateless so a cut-off sequence at the end counts as an error instead of waiting for
    // more input; the BOM is kept so text round-trips exactly.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;

    text.clear();
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        text.append(code >= 0x80 && code <= 0x9F ? QChar(Cp1252High[code - 0x80])
                                                 : QChar(static_cast<char16_t>(code)));
    }
    return text;
}

} // namespace kinwise::modHelp
