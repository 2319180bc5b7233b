// The styled report both print suites hand to the platform, the tools that read a PDF back, and
// what the private queue holds.
#pragma once

#include "platform/QtPlatform.h"

#include <QColor>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace kinwise::test {

inline const QColor HeadingColour(0, 128, 0);
inline const QColor LabelColour(128, 0, 128);
inline const QColor ValueColour(0, 0, 0);

struct ReportText
{
    QString heading;
    QString label;
    QString value;
    QString paragraph;
};

// Heading, then "label value" on one line, then the paragraph, each in its own block.
inline void FillReport(QTextDocument& document, const ReportText& text)
{
    // DejaVu is part of the build packages, so the glyphs and metrics are the same everywhere.
    document.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 11));
    QTextCursor cursor(&document);

    QTextCharFormat heading;
    heading.setForeground(HeadingColour);
    heading.setFontPointSize(20);
    cursor.insertText(text.heading, heading);

    QTextCharFormat label;
    label.setForeground(LabelColour);
    label.setFontWeight(QFont::Bold);
    QTextCharFormat value;
    value.setForeground(ValueColour);
    cursor.insertBlock();
    cursor.insertText(text.label, label);
    cursor.insertText(QLatin1Char(' ') + text.value, value);

    cursor.insertBlock();
    cursor.insertText(text.paragraph, value);
}

struct ToolResult
{
    bool ok = false;
    QByteArray output;
    QString error; // why it failed, for the test message
};

inline ToolResult RunTool(const QString& program, const QStringList& arguments,
                          int timeoutMs = 90000)
{
    QProcess process;
    process.start(program, arguments);
    ToolResult result;
    if (!process.waitForStarted() || !process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        result.error = program + QStringLiteral(": ") + process.errorString();
        return result;
    }
    result.output = process.readAllStandardOutput();
    result.ok = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (!result.ok) {
        result.error = program + QStringLiteral(" ") + arguments.join(QLatin1Char(' ')) +
                       QStringLiteral(" failed: ") +
                       QString::fromLocal8Bit(process.readAllStandardError());
    }
    return result;
}

// What the private queue holds: its jobs of any state, and its output file.
struct QueueState
{
    QByteArray jobs;
    bool outputExists = false;
    qint64 outputSize = 0;
    QDateTime outputModified;

    bool operator==(const QueueState&) const = default;
};

// Asked of the queue's own socket, whatever scheduler CUPS_SERVER names.
inline QueueState QueueStateNow(QString* error)
{
    const QString socket = QDir(qEnvironmentVariable("KINWISE_TEST_PRINTER_DIR"))
                               .filePath(QStringLiteral("cups.sock"));
    const ToolResult jobs =
        RunTool(QStringLiteral("lpstat"), {QStringLiteral("-h"), socket, QStringLiteral("-W"),
                                           QStringLiteral("all"), QStringLiteral("-o")});
    if (!jobs.ok) {
        *error = jobs.error;
    }
    const QFileInfo output(qEnvironmentVariable("KINWISE_TEST_PRINT_OUTPUT"));
    return {jobs.output, output.exists(), output.size(), output.lastModified()};
}

struct FailedPrint
{
    std::optional<QString> reason; // what the platform told the user
    QString wrong;                 // what else went wrong, for the test message
};

// Prints a short report that must not reach the queue: neither a job nor the output file change.
inline FailedPrint PrintThatFails()
{
    FailedPrint print;
    const QueueState before = QueueStateNow(&print.wrong);
    QTextDocument document;
    FillReport(document,
               {QStringLiteral("Mayan reading for Ixchel Balam"), QStringLiteral("Day sign:"),
                QStringLiteral("Ahau"), QStringLiteral("Nothing of this reaches paper.")});
    // Qt hands a job to the scheduler before printDocument returns, so one that slipped through is
    // in the queue's state now.
    print.reason = kinwise::QtPlatform().printDocument(document);
    const QueueState after = QueueStateNow(&print.wrong);
    if (print.wrong.isEmpty() && !(after == before)) {
        print.wrong = QStringLiteral("the queue changed:\n") + QString::fromUtf8(after.jobs);
    }
    return print;
}

} // namespace kinwise::test
