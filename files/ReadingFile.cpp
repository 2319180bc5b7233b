#include "files/ReadingFile.h"

#include "files/modHelp.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kinwise::ReadingFile {

namespace {

constexpr char Cr = '\r';
constexpr char Lf = '\n';
constexpr qsizetype ReadChunkBytes = 64 * 1024;

// Scrambled, U+0000 and U+0003 become LF and CR and would split the line. No other UTF-8 byte
// does, so leaving out those two keeps every other character and a file of four lines.
QByteArray ScrambledLine(const QString& text)
{
    QByteArray line = modHelp::ScrambleText(text.toUtf8());
    line.removeIf([](char byte) { return byte == Cr || byte == Lf; });
    return line;
}

// A line cut at the cap may end inside a UTF-8 sequence; dropping that piece keeps the rest
// readable as UTF-8 instead of turning the whole line into Windows-1252.
void DropCutSequence(QByteArray& bytes)
{
    for (qsizetype back = 1; back <= 3 && back <= bytes.size(); ++back) {
        const auto byte = static_cast<unsigned char>(bytes[bytes.size() - back]);
        if ((byte & 0xC0) == 0x80)
            continue;
        const qsizetype length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        if (length > back)
            bytes.chop(back);
        return;
    }
}

// Splits the first lines out of bytes that arrive in pieces, so a file and a buffer read alike.
class LineReader
{
public:
    bool wantsMore() const { return m_lineIndex < LineCount && m_consumed < MaxReadBytes; }
    qsizetype budget() const { return MaxReadBytes - m_consumed; }

    void feed(QByteArrayView piece)
    {
        for (const char byte : piece) {
            if (!wantsMore())
                return;
            ++m_consumed;
            if (m_afterCr) {
                m_afterCr = false;
                if (byte == Lf)
                    continue;
            }
            if (byte == Cr) {
                endLine();
                m_afterCr = true;
            } else if (m_current.size() < MaxLineBytes) {
                m_current.append(byte);
            } else {
                m_cut = true;
            }
        }
    }

    // A line the device failed in the middle of was not read, and stays empty.
    void dropPartialLine()
    {
        m_current.clear();
        m_cut = false;
    }

    Request finish()
    {
        if (m_lineIndex < LineCount)
            endLine();
        return {m_lines[0], m_lines[1], m_lines[2], m_lines[3]};
    }

private:
    void endLine()
    {
        QByteArray plain = modHelp::UnscrambleText(m_current);
        if (m_cut)
            DropCutSequence(plain);
        m_lines[m_lineIndex++] = modHelp::DecodeText(plain);
        m_current.clear();
        m_cut = false;
    }

    std::array<QString, LineCount> m_lines;
    QByteArray m_current;
    qsizetype m_lineIndex = 0;
    qsizetype m_consumed = 0;
    bool m_afterCr = false;
    bool m_cut = false;
};

QString Tr(const char* text)
{
    return QCoreApplication::translate("kinwise::ReadingFile", text);
}

QString ReasonOf(const QFileDevice& file)
{
    const QString reason = file.errorString();
    return reason.isEmpty() ? Tr(QT_TRANSLATE_NOOP("kinwise::ReadingFile", "Unknown error"))
                            : reason;
}

// Said after a sentence that names the file.
QString NotRegular()
{
    return Tr(QT_TRANSLATE_NOOP("kinwise::ReadingFile", "It is not a regular file."));
}

// Only regular files: a FIFO would wait for a writer and a device may never end. The reason on
// failure, nothing on success.
std::optional<QString> OpenRegularFile(QFile& file, const QString& path)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return NotRegular();
#ifdef Q_OS_UNIX
    // O_NONBLOCK and fstat cover the path being swapped for a FIFO after the check above.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    struct stat status = {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return NotRegular();
    }
    if (!file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return ReasonOf(file);
    }
#else
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return ReasonOf(file);
#endif
    return std::nullopt;
}

} // namespace

QByteArray Encode(const Request& request)
{
    QByteArray bytes;
    for (const QString* text : {&request.name, &request.year, &request.month, &request.day}) {
        bytes += ScrambledLine(*text);
        bytes += "\r\n";
    }
    return bytes;
}

Request Decode(QByteArrayView bytes)
{
    LineReader reader;
    reader.feed(bytes);
    return reader.finish();
}

Request ReadFrom(QIODevice& device)
{
    LineReader reader;
    QByteArray chunk(ReadChunkBytes, Qt::Uninitialized);
    while (reader.wantsMore()) {
        const qint64 got = device.read(chunk.data(), std::min(chunk.size(), reader.budget()));
        if (got < 0) {
            reader.dropPartialLine();
            break;
        }
        if (got == 0)
            break;
        reader.feed(QByteArrayView(chunk.constData(), got));
    }
    return reader.finish();
}

ReadResult ReadFromPath(const QString& path)
{
    QFile file;
    if (const std::optional<QString> failure = OpenRegularFile(file, path))
        return *failure;
    return ReadFrom(file);
}

std::optional<QString> WriteToPath(const QString& path, const QByteArray& bytes)
{
    // QSaveFile renames over the target, which would replace a device or FIFO itself (and as
    // root in /dev it succeeds), so only a regular file or a new name is written.
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return NotRegular();

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return ReasonOf(file);
    // commit() flushes the write buffer but ignores a failure there and renames a cut-off file
    // into place, so flush first and check.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = ReasonOf(file);
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return ReasonOf(file);
    return std::nullopt;
}

} // namespace kinwise::ReadingFile
