// The styled report both print suites hand to the platform, and the tools that read a PDF back.
#pragma once

#include <QColor>
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

} // namespace kinwise::test
