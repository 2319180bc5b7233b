// Saves one of two large readings over one path, round after round, until killed.
//   save_driver refs <dir>     writes the two expected encodings to <dir>/A.bin and <dir>/B.bin
//   save_driver loop <target>  saves A, B, A, ... to <target>, saying "w N" before and "d N" after
#include "files/ReadingFile.h"

#include <QFile>

#include <cstdio>
#include <cstring>

using kinwise::ReadingFile::Request;

namespace {

// Mixed scripts so a cut could land inside any UTF-8 length; the seed makes A and B differ
// at every position, so a file spliced from both cannot pass as either.
QString LargeName(char32_t seed)
{
    static const char32_t pieces[] = {U'a', U'Ж',  U'λ',  U'ש', U'ع',
                                      U'क', U'漢', U'한', U'😀', U'𠀋'};
    QString name;
    for (int i = 0; name.size() < 60000; ++i) {
        const char32_t ch = pieces[(static_cast<char32_t>(i) + seed) % std::size(pieces)];
        name += QString::fromUcs4(&ch, 1);
    }
    name.truncate(60000);
    if (name.back().isHighSurrogate())
        name.chop(1);
    return name;
}

Request RequestA()
{
    return {LargeName(0), QStringLiteral("1975"), QStringLiteral("March"), QStringLiteral("7")};
}
Request RequestB()
{
    return {LargeName(3), QStringLiteral("2012"), QStringLiteral("December"), QStringLiteral("21")};
}

bool WriteRef(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: save_driver refs <dir> | loop <target>\n");
        return 2;
    }
    const QString where = QString::fromLocal8Bit(argv[2]);
    const QByteArray a = kinwise::ReadingFile::Encode(RequestA());
    const QByteArray b = kinwise::ReadingFile::Encode(RequestB());
    if (std::strcmp(argv[1], "refs") == 0) {
        if (!WriteRef(where + QStringLiteral("/A.bin"), a) ||
            !WriteRef(where + QStringLiteral("/B.bin"), b)) {
            std::fprintf(stderr, "cannot write the reference files in %s\n", argv[2]);
            return 1;
        }
        return 0;
    }
    if (std::strcmp(argv[1], "loop") != 0) {
        std::fprintf(stderr, "unknown command %s\n", argv[1]);
        return 2;
    }
    for (long round = 0;; ++round) {
        std::printf("w %ld\n", round);
        std::fflush(stdout);
        if (const auto reason = kinwise::ReadingFile::WriteToPath(where, round % 2 ? b : a)) {
            std::fprintf(stderr, "save %ld failed: %s\n", round, qPrintable(*reason));
            return 1;
        }
        std::printf("d %ld\n", round);
        std::fflush(stdout);
    }
}
