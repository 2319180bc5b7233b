#include "ui/ReportWindow.h"

#include "assets/AssetPaths.h"
#include "files/ReadingFile.h"
#include "platform/Identity.h"
#include "platform/PdfReport.h"
#include "ui/BrandPanel.h"
#include "ui/Controls.h"
#include "ui/LinkLabel.h"
#include "ui/ReadingCommands.h"
#include "ui/SitePages.h"
#include "ui/Style.h"
#include "ui/Texts.h"

#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QPalette>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>

namespace kinwise {

namespace {

enum class Piece
{
    Label,
    Heading,
    Value,
    FooterAfterHeading
};

const QString LineBreak = QStringLiteral("\r\n");

QTextCharFormat FormatFor(Piece style)
{
    static const QColor Purple(128, 0, 128);
    static const QColor Green(0, 128, 0);
    QTextCharFormat format;
    switch (style) {
    case Piece::Label:
        format.setFontWeight(QFont::Bold);
        format.setForeground(Purple);
        break;
    case Piece::Heading:
        format.setFontWeight(QFont::Bold);
        format.setForeground(Green);
        break;
    case Piece::FooterAfterHeading:
        format.setFontWeight(QFont::Normal);
        format.setForeground(Green);
        break;
    case Piece::Value:
        format.setFontWeight(QFont::Normal);
        format.setForeground(Qt::black);
        break;
    }
    return format;
}

class ReportWriter
{
public:
    explicit ReportWriter(QTextEdit* box) : m_cursor(box->document())
    {
        m_cursor.movePosition(QTextCursor::End);
    }

    void style(Piece piece) { m_format = FormatFor(piece); }
    void append(const QString& text) { m_cursor.insertText(text, m_format); }

    void field(const QString& label, const QString& value)
    {
        style(Piece::Label);
        append(label);
        style(Piece::Value);
        append(value + LineBreak);
    }

    void footer(bool lastLine = false)
    {
        append(Texts::ReportFooter());
        if (!lastLine) {
            append(LineBreak + LineBreak);
        }
    }

    void heading(const QString& text)
    {
        style(Piece::Heading);
        append(text + LineBreak);
    }

private:
    QTextCursor m_cursor;
    QTextCharFormat m_format;
};

// Whatever of the report reached the clipboard or the selection by a copy or a mouse selection
// goes again at once; what other programs put there is theirs and stays.
void EmptyIfOurs(QClipboard::Mode mode)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    const bool ours = mode == QClipboard::Clipboard   ? clipboard->ownsClipboard()
                      : mode == QClipboard::Selection ? clipboard->ownsSelection()
                                                      : false;
    if (ours) {
        clipboard->clear(mode);
    }
}

void EmptyOurClipboards()
{
    EmptyIfOurs(QClipboard::Clipboard);
    EmptyIfOurs(QClipboard::Selection);
}

QString Text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

// Enough of a name to know the file by, leaving room in the 255 bytes a file name may have for
// the longest translation of the rest.
constexpr qsizetype MaxNameCharacters = 60;
constexpr qsizetype MaxNameBytes = 150;

bool FitsAFileName(char32_t code)
{
    switch (QChar::category(code)) {
    case QChar::Other_Control: // NUL, line ends, tabs
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return false;
    default:
        return code != U'/';
    }
}

qsizetype Utf8Length(char32_t code)
{
    return code < 0x80 ? 1 : code < 0x800 ? 2 : code < 0x10000 ? 3 : 4;
}

// The name as part of a file name: without what a file name cannot hold, without a leading dot
// that would hide the file, and cut between whole characters.
QString FileNamePart(const QString& name)
{
    QString part;
    qsizetype characters = 0;
    qsizetype bytes = 0;
    for (const char32_t code : name.toUcs4()) {
        const bool leading = part.trimmed().isEmpty();
        if (!FitsAFileName(code) || (leading && (code == U'.' || QChar::isSpace(code)))) {
            continue;
        }
        if (characters == MaxNameCharacters || bytes + Utf8Length(code) > MaxNameBytes) {
            break;
        }
        part.append(QString::fromUcs4(&code, 1));
        ++characters;
        bytes += Utf8Length(code);
    }
    part = part.trimmed();
    return part.isEmpty() ? Identity::ApplicationTitle : part;
}

} // namespace

void BuildReport(QTextEdit* box, const Reading& reading)
{
    ReportWriter report(box);
    report.field(Texts::ReportName(), Text(reading.PersonName));
    report.footer();
    report.field(
        Texts::ReportDateOfBirth(),
        Texts::ReportBirthDate(Text(reading.BirthMonth), reading.BirthDay, reading.BirthYear));
    report.footer();
    report.heading(Texts::ReportNumberHeading());
    report.field(Texts::ReportNumber(), QString::number(reading.DayNumber));
    report.footer();
    report.field(Texts::ReportNumberDescription(), Text(reading.NumberDescription));
    report.footer();
    report.heading(Texts::ReportSignsHeading());
    report.style(Piece::FooterAfterHeading);
    report.footer();
    report.field(Texts::ReportSign(), Text(reading.DaySignName));
    report.footer();
    report.field(Texts::ReportGemstone(), Text(reading.Gemstone));
    report.footer();
    report.field(Texts::ReportKeywords(), Text(reading.Keywords));
    report.footer();
    report.field(Texts::ReportSignificance(), Text(reading.Significance));
    report.footer();
    report.field(Texts::ReportSignDescription(), Text(reading.SignDescription));
    report.footer();
    report.heading(Texts::ReportOtherHeading());
    report.field(Texts::ReportSignNameInLanguage(), Text(reading.EnglishName));
    report.footer();
    report.field(Texts::ReportFamous(), Text(reading.FamousPersonalities));
    report.footer(true);
}

ReportWindow::ReportWindow(QWidget* resultWindow, const Reading& reading)
    : QDialog(resultWindow), CD(SaveDialogRequest()), m_reading(reading)
{
    setObjectName(QStringLiteral("frmSave"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::WindowModal);
    setWindowTitle(Identity::WindowCaption);
    setWindowIcon(WindowIcon());
    setFixedSize(Style::TwipsSize(7725, 7815));
    setFont(Style::Verdana(8.25));
    Style::SetBackground(this, Style::WindowTeal);

    Label14 = MakeHomeLink(QStringLiteral("Label14"), Texts::ForumPraise(),
                           Style::Twips(1747, 0, 4230, 195), false, this);
    Label1 = MakeHomeLink(QStringLiteral("Label1"), Texts::SiteLink(),
                          Style::Twips(1867, 180, 3990, 195), false, this);

    RTB = new QTextEdit(this);
    RTB->setObjectName(QStringLiteral("RTB"));
    RTB->setGeometry(Style::Twips(30, 390, 7665, 6135));
    RTB->setReadOnly(true);
    // A caret that reads but cannot change: the arrow keys take a screen reader line by line.
    // It is not drawn, so the report looks as it always did.
    RTB->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    RTB->setCursorWidth(0);
    RTB->setAccessibleName(tr("Report"));
    RTB->setFont(Style::Verdana(9.75));
    RTB->document()->setDefaultFont(Style::Verdana(9.75));
    RTB->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    RTB->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    RTB->viewport()->setMouseTracking(true);
    RTB->viewport()->installEventFilter(this);
    // No Copy or Select All to offer.
    RTB->setContextMenuPolicy(Qt::NoContextMenu);
    // The document's colours are those of the printed page, so the box keeps a page's colours
    // under a dark desktop theme too.
    QPalette page = RTB->palette();
    page.setColor(QPalette::Base, Qt::white);
    page.setColor(QPalette::Text, Qt::black);
    RTB->setPalette(page);
    connect(RTB, &QTextEdit::textChanged, this, EmptyOurClipboards);
    connect(QGuiApplication::clipboard(), &QClipboard::changed, this, EmptyIfOurs);

    cmdSave = MakeButton(QStringLiteral("cmdSave"), Texts::ReportSave(),
                         Style::Twips(5400, 6570, 1125, 345), this);
    cmdSave->setFont(Style::MsSansSerif(8.25));
    cmdPrint = MakeButton(QStringLiteral("cmdPrint"), Texts::ReportPrint(),
                          Style::Twips(6555, 6570, 1125, 345), this);
    connect(cmdSave, &QPushButton::clicked, this, [this] { SaveReadingFile(this, CD, m_reading); });
    connect(cmdPrint, &QPushButton::clicked, this, &ReportWindow::print);

    fraFullBrand = new BrandPanel(Style::Twips(30, 6950, 7665, 855), this);

    BuildReport(RTB, m_reading);
    RTB->moveCursor(QTextCursor::Start);
    RTB->setFocus();
    QWidget::setTabOrder(RTB, cmdSave);
    QWidget::setTabOrder(cmdSave, cmdPrint);
}

void ReportWindow::print()
{
    const std::optional<QString> failure = PrintReport(RTB);
    if (failure &&
        platform().showMessageWithAction(this, Texts::PrintFailed(*failure), MessageIcon::Critical,
                                         tr("Save as &PDF...")) == MessageAnswer::Action) {
        saveAsPdf();
    }
}

void ReportWindow::saveAsPdf()
{
    const QString name = Text(m_reading.PersonName);
    //: The name the report's PDF file is offered under; %1 is the person's name.
    const QString suggested = tr("%1 - Mayan numerology reading.pdf").arg(FileNamePart(name));
    const std::optional<QString> path =
        platform().chooseFile(this, {FileDialogRequest::Kind::Save, Identity::ApplicationTitle,
                                     tr("PDF files (*.pdf)"), QStringLiteral("pdf"), suggested});
    if (!path) {
        return;
    }
    const QByteArray pdf =
        ReportAsPdf(*RTB->document(), Identity::ApplicationTitle + QStringLiteral(" - ") + name);
    if (const std::optional<QString> failure = ReadingFile::WriteToPath(*path, pdf)) {
        platform().showMessage(
            this, tr("The report could not be saved to %1.\n\n%2").arg(*path, *failure),
            MessageIcon::Critical, MessageButtons::Ok);
    }
}

bool ReportWindow::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        EmptyOurClipboards();
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace kinwise
