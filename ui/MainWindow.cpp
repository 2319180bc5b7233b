#include "ui/MainWindow.h"

#include "files/ReadingFile.h"
#include "platform/Identity.h"
#include "platform/Platform.h"
#include "ui/BrandPanel.h"
#include "ui/Controls.h"
#include "ui/LinkLabel.h"
#include "ui/MenuBars.h"
#include "ui/Months.h"
#include "ui/ReadingCommands.h"
#include "ui/SitePages.h"
#include "ui/Style.h"
#include "ui/Windows.h"

#include <QComboBox>
#include <QDate>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcutEvent>

#include <algorithm>

namespace kinwise {

namespace engine = modMayanNumerology;

namespace {

// One of the control array Label1, told apart by its index.
QLabel* MakeLabel1(const QString& caption, int index, const QRect& geometry, QWidget* parent)
{
    QLabel* label = MakeLabel(QStringLiteral("Label1"), caption, geometry,
                              Style::Verdana(8.25, true), Qt::white, parent);
    label->setProperty("Index", index);
    return label;
}

QComboBox* MakeList(const QString& name, const QString& accessibleName, const QRect& geometry,
                    QWidget* parent)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setAccessibleName(accessibleName);
    list->setEditable(false);
    list->setGeometry(geometry);
    return list;
}

// Only blanks go: a tab or a no-break space typed or pasted into a name is part of it.
QString WithoutOuterBlanks(const QString& text)
{
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && text[first] == QLatin1Char(' ')) {
        ++first;
    }
    while (end > first && text[end - 1] == QLatin1Char(' ')) {
        --end;
    }
    return text.sliced(first, end - first);
}

QPushButton* MakeBoldButton(const QString& name, const QString& caption, const QRect& geometry,
                            QWidget* parent)
{
    QPushButton* button = MakeButton(name, caption, geometry, parent);
    button->setFont(Style::Verdana(8.25, true));
    return button;
}

} // namespace

MainWindow::MainWindow() : TopWindow(QStringLiteral("frmMain"), Style::TwipsSize(7200, 4680))
{
    Label14 = MakeHomeLink(
        QStringLiteral("Label14"),
        //: %1 is the site's web address.
        tr("Talk it over with friendly readers in our Mayan forum! Click Here To Visit %1 Now.")
            .arg(Identity::WebAddress),
        Style::Twips(503, 60, 6195, 435), true, client());

    Label1[2] =
        MakeLabel1(tr("Enter your date of birth and know more about your lucky Mayan Day Number!"),
                   2, Style::Twips(503, 720, 6195, 435), client());
    Label1[2]->setAlignment(Qt::AlignCenter);
    Label1[2]->setWordWrap(true);
    Style::SetTextColour(Label1[2], Style::Cream);
    Style::FitTextToLabel(Label1[2]);

    buildRequestFrame();

    cmdOpen = MakeBoldButton(QStringLiteral("cmdOpen"), tr("&Open Previously Saved Reading"),
                             Style::Twips(1238, 3255, 4740, 375), client());
    connect(cmdOpen, &QPushButton::clicked, this, &MainWindow::openSavedReading);

    fraFullBrand = new BrandPanel(Style::Twips(68, 3780, 7065, 850), client());

    buildMenuBar();
    setTabOrder();
    fillLists();
    cmdOpen->installEventFilter(this);
    menuBar()->installEventFilter(this);
}

// The greyed "Make Money &Online" still claims Alt+O in the menu bar, which makes the button's
// Alt+O ambiguous: the button would only take the focus and every other press would go to the
// greyed command. Both halves are turned into the button's click.
bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Shortcut && (watched == cmdOpen || watched == menuBar())) {
        const auto* shortcut = static_cast<QShortcutEvent*>(event);
        const QKeySequence openKey = QKeySequence::mnemonic(cmdOpen->text());
        bool greyedRival = false;
        for (const QAction* action : menuBar()->actions()) {
            if (QKeySequence::mnemonic(action->text()) == openKey) {
                greyedRival = !action->isEnabled();
            }
        }
        if (shortcut->key() == openKey && greyedRival && shortcut->isAmbiguous() &&
            cmdOpen->isEnabled()) {
            cmdOpen->animateClick();
            return true;
        }
    }
    return TopWindow::eventFilter(watched, event);
}

void MainWindow::buildRequestFrame()
{
    Frame1 = new QGroupBox(client());
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(Style::Twips(1133, 1320, 4935, 1815));
    Frame1->setFont(Style::Verdana(9.75, true));
    Frame1->setTitle(tr("Personal Details"));
    Style::SetTextColour(Frame1, Qt::white);

    // The box and the lists take the window font from this see-through panel over the whole frame:
    // a list given its own font builds its drop-down popup at once, long before it is opened.
    auto* fields = new QWidget(Frame1);
    fields->setObjectName(QStringLiteral("Frame1Fields"));
    fields->setGeometry(Frame1->rect());
    fields->setFont(Style::Verdana(8.25));

    Label1[0] = MakeLabel1(tr("Name"), 0, Style::Twips(120, 450, 555, 195), fields);
    Label1[1] = MakeLabel1(tr("Date of Birth"), 1, Style::Twips(120, 855, 1230, 195), fields);

    txtName = new QLineEdit(fields);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setAccessibleName(tr("Name"));
    txtName->setGeometry(Style::Twips(1530, 360, 3300, 285));
    // As long a name as a reading file gives back whole, far beyond Qt's default of 32767.
    txtName->setMaxLength(ReadingFile::MaxNameLength);

    cboMonth = MakeList(QStringLiteral("cboMonth"), tr("Month of birth"),
                        Style::Twips(1530, 765, 1400, 315), fields);
    cboDate = MakeList(QStringLiteral("cboDate"), tr("Day of birth"),
                       Style::Twips(3030, 765, 700, 315), fields);
    cboYear = MakeList(QStringLiteral("cboYear"), tr("Year of birth"),
                       Style::Twips(3825, 765, 1000, 315), fields);
    Label1[0]->setBuddy(txtName);
    Label1[1]->setBuddy(cboMonth);
    // A longer translation may take the room up to the box and the lists.
    for (QLabel* label : {Label1[0], Label1[1]}) {
        Style::WidenAndFitLabel(label, txtName->x() - label->x() - Style::Px(60));
    }

    cmdCalculate =
        MakeBoldButton(QStringLiteral("cmdCalculate"), tr("&Get My Mayan Numerology Reading"),
                       Style::Twips(105, 1260, 4740, 375), fields);
    cmdCalculate->setDefault(true);
    connect(cmdCalculate, &QPushButton::clicked, this, &MainWindow::calculate);
}

void MainWindow::buildMenuBar()
{
    QMenu* file = AddMenu(menuBar(), QStringLiteral("mnuFile"), tr("&File"));
    connect(AddItem(file, QStringLiteral("mnuMayan"), tr("Get My &Mayan Astrology Sign")),
            &QAction::triggered, cmdCalculate, &QPushButton::click);
    AddSeparator(file, QStringLiteral("mnuSep3"));
    connect(AddItem(file, QStringLiteral("mnuExit"), tr("E&xit")), &QAction::triggered, this,
            &QWidget::close);
    AddHelpAndBarCommands(menuBar(), this, QStringLiteral("mnuSep1"), QStringLiteral("mnuSep2"));
}

void MainWindow::setTabOrder()
{
    QWidget::setTabOrder(txtName, cboMonth);
    QWidget::setTabOrder(cboMonth, cboDate);
    QWidget::setTabOrder(cboDate, cboYear);
    QWidget::setTabOrder(cboYear, cmdCalculate);
    QWidget::setTabOrder(cmdCalculate, cmdOpen);
    QWidget::setTabOrder(cmdOpen, Label14);
    QWidget::setTabOrder(Label14, fraFullBrand->lblCobrand);
    QWidget::setTabOrder(fraFullBrand->lblCobrand, fraFullBrand->lblFullBrand);
}

void MainWindow::fillLists()
{
    QStringList months;
    for (int month = 1; month <= engine::MonthCount; ++month) {
        months << MonthInList(month);
    }
    QStringList days;
    for (int day = 1; day <= 31; ++day) {
        days << QString::number(day);
    }
    QStringList years;
    for (int year = engine::FirstYear; year <= engine::LastYear; ++year) {
        years << QString::number(year);
    }
    // One insertion per list, not one per entry.
    cboMonth->addItems(months);
    cboDate->addItems(days);
    cboYear->addItems(years);
    cboMonth->setCurrentIndex(0);
    cboDate->setCurrentIndex(0);
    cboYear->setCurrentIndex(0);
}

bool MainWindow::ValidateRequest()
{
    if (WithoutOuterBlanks(txtName->text()).isEmpty()) {
        platform().showMessage(this, tr("Please Enter Your Name"), MessageIcon::Critical,
                               MessageButtons::Ok);
        txtName->setFocus();
        return false;
    }
    const int month = cboMonth->currentIndex() + 1;
    const int day = cboDate->currentIndex() + 1;
    const int year = cboYear->currentText().toInt();
    // The days a month lacks are the 29th to 31st of February (29 February only outside leap
    // years, which follow the calendar's century rule) and the 31st of a thirty-day month.
    if (QDate::isValid(year, month, day)) {
        return true;
    }
    const QString message = month == 2
                                ? tr("Please Enter Correct Date Or Month!")
                                //: The message above; only the English has a blank before "!" here.
                                : tr("Please Enter Correct Date Or Month !");
    platform().showMessage(this, message, MessageIcon::Information, MessageButtons::Ok);
    return false;
}

void MainWindow::calculate()
{
    if (!ValidateRequest()) {
        return;
    }
    Reading request;
    request.PersonName = WithoutOuterBlanks(txtName->text()).toStdString();
    request.BirthYear =
        static_cast<std::int16_t>(WithoutOuterBlanks(cboYear->currentText()).toInt());
    // The list may show the month in the reader's language; the reading keeps its English name.
    request.BirthMonth = engine::MonthNames[static_cast<std::size_t>(cboMonth->currentIndex())];
    request.BirthDay =
        static_cast<std::int16_t>(WithoutOuterBlanks(cboDate->currentText()).toInt());
    CalculateReading(request);
    unload();
}

void MainWindow::openSavedReading()
{
    const std::optional<ReadingFile::Request> request = OpenReadingFile(this);
    if (!request) {
        return;
    }
    txtName->setText(request->name);
    const auto select = [](QComboBox* list, const QString& value) {
        const int index = list->findText(value, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (index >= 0) {
            list->setCurrentIndex(index);
        }
    };
    select(cboYear, request->year);
    const auto month = std::ranges::find(engine::MonthNames, request->month.toStdString());
    if (month != engine::MonthNames.end()) {
        cboMonth->setCurrentIndex(static_cast<int>(month - engine::MonthNames.begin()));
    }
    select(cboDate, request->day);
    cmdCalculate->click();
}

} // namespace kinwise
