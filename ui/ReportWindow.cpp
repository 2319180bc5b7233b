#include "ui/ReportWindow.h"

#include "assets/AssetPaths.h"
#include "platform/Identity.h"
#include "ui/BrandPanel.h"
#include "ui/Controls.h"
#include "ui/LinkLabel.h"
#include "ui/ReadingCommands.h"
#include "ui/SitePages.h"
#include "ui/Style.h"
#include "ui/Texts.h"

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QScrollBar>
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

// The report read line by line with the arrow keys, which no copy, selection or drag carries out.
class ReportText : public QTextEdit
{
public:
    using QTextEdit::QTextEdit;

protected:
    // Where Qt turns a selection into clipboard, X11 selection or drag data: nothing of the report.
    QMimeData* createMimeDataFromSelection() const override { return new QMimeData; }

    void keyPressEvent(QKeyEvent* event) override
    {
        // Enter would reach the window's default button: a reader must not fall into a dialog.
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            event->accept();
            return;
        }
        QTextEdit::keyPressEvent(event);
    }

    // The report as the box draws it, without the caret. Qt 6.4 draws a caret of width 0 as a
    // hairline on screens scaled by a fraction (150 %), so the box paints its document itself.
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(viewport());
        const QPoint scrolled(horizontalScrollBar()->value(), verticalScrollBar()->value());
        painter.translate(-scrolled);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = event->rect().translated(scrolled);
        context.palette = palette();
        context.cursorPosition = -1;
        const QTextCursor caret = textCursor();
        if (caret.hasSelection()) {
            const QPalette::ColorGroup group = hasFocus() ? QPalette::Active : QPalette::Inactive;
            QAbstractTextDocumentLayout::Selection selection;
            selection.cursor = caret;
            selection.format.setBackground(palette().brush(group, QPalette::Highlight));
            selection.format.setForeground(palette().brush(group, QPalette::HighlightedText));
            context.selections.append(selection);
        }
        painter.setClipRect(context.clip);
        document()->documentLayout()->draw(&painter, context);
    }
};

QString Text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
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

    RTB = new ReportText(this);
    RTB->setObjectName(QStringLiteral("RTB"));
    RTB->setGeometry(Style::Twips(30, 390, 7665, 6135));
    RTB->setReadOnly(true);
    // A caret that reads but cannot change: the arrow keys take a screen reader line by line.
    // It is not drawn, so the report looks as it always did.
    RTB->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    RTB->setAccessibleName(tr("Report"));
    RTB->setFont(Style::Verdana(9.75));
    RTB->document()->setDefaultFont(Style::Verdana(9.75));
    RTB->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    RTB->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // No Copy or Select All to offer.
    RTB->setContextMenuPolicy(Qt::NoContextMenu);
    // The document's colours are those of the printed page, so the box keeps a page's colours
    // under a dark desktop theme too.
    QPalette page = RTB->palette();
    page.setColor(QPalette::Base, Qt::white);
    page.setColor(QPalette::Text, Qt::black);
    RTB->setPalette(page);

    cmdSave = MakeButton(QStringLiteral("cmdSave"), Texts::ReportSave(),
                         Style::Twips(5400, 6570, 1125, 345), this);
    cmdSave->setFont(Style::MsSansSerif(8.25));
    cmdPrint = MakeButton(QStringLiteral("cmdPrint"), Texts::ReportPrint(),
                          Style::Twips(6555, 6570, 1125, 345), this);
    connect(cmdSave, &QPushButton::clicked, this, [this] { SaveReadingFile(this, CD, m_reading); });
    connect(cmdPrint, &QPushButton::clicked, this, [this] { PrintReport(this, RTB); });

    fraFullBrand = new BrandPanel(Style::Twips(30, 6950, 7665, 855), this);

    BuildReport(RTB, m_reading);
    RTB->moveCursor(QTextCursor::Start);
    RTB->setFocus();
    QWidget::setTabOrder(RTB, cmdSave);
    QWidget::setTabOrder(cmdSave, cmdPrint);
}

} // namespace kinwise
