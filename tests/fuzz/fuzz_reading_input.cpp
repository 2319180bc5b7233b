// Everything Kinwise reads from outside: reading files and the stored reminder value.
#include "files/ReadingFile.h"
#include "files/ReminderValue.h"
#include "files/modHelp.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void Check(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace kinwise;
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    const ReadingFile::Request request = ReadingFile::Decode(bytes);
    // Whatever came in, saving what was read and reading it again gives the same four texts,
    // apart from the control characters a file cannot carry.
    const ReadingFile::Request again = ReadingFile::Decode(ReadingFile::Encode(request));
    const ReadingFile::Request twice = ReadingFile::Decode(ReadingFile::Encode(again));
    Check(again == twice);
    Check(ReadingFile::Encode(again).count("\r\n") == ReadingFile::LineCount);

    const QString stored = QString::fromLatin1(bytes);
    if (const std::optional<QDate> date = modHelp::ReadReminderDate(stored)) {
        Check(date->isValid());
        Check(modHelp::ReadReminderDate(modHelp::ReminderValueFor(*date)) == date);
    }
    return 0;
}
