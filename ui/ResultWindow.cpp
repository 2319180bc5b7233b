#include "ui/ResultWindow.h"

#include "assets/AssetPaths.h"
#include "platform/Identity.h"
#include "ui/Accessibility.h"
#include "ui/BrandPanel.h"
#include "ui/Controls.h"
#include "ui/LinkLabel.h"
#include "ui/MenuBars.h"
#include "ui/ReadingCommands.h"
#include "ui/SitePages.h"
#include "ui/Style.h"
#include "ui/Windows.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>

namespace kinwise {

namespace engine = modMayanNumerology;

namespace {

// What the tone picture shows, for those who cannot see it: a Mayan numeral of bars worth five
// and dots worth one, with the tone's name.
QString TonePictureText(int dayNumber, const QString& toneName)
{
    const int bars = dayNumber / 5;
    const int dots = dayNumber % 5;
    //: Bars of a Mayan numeral, each worth five.
    const QString barText = ResultWindow::tr("%n bar(s)", nullptr, bars);
    //: Dots of a Mayan numeral, each worth one.
    const QString dotText = ResultWindow::tr("%n dot(s)", nullptr, dots);
    const QString numeral = bars == 0   ? dotText
                            : dots == 0 ? barText
                                        //: The bars, then the dots.
                                        : ResultWindow::tr("%1 and %2").arg(barText, dotText);
    return ResultWindow::tr("Tone %1, %2: a picture of %3").arg(dayNumber).arg(toneName, numeral);
}

} // namespace

ResultWindow::ResultWindow(const Reading& reading)
    : TopWindow(QStringLiteral("frmMayanNumerologyResult"), Style::TwipsSize(8190, 4530)),
      m_reading(reading)
{
    for (int dayNumber = 1; dayNumber <= engine::DayNumberCount; ++dayNumber) {
        imgGalacticTone.append(TonePicturePath(dayNumber, CatalogueLanguage()));
    }
    for (int daySign = 1; daySign <= engine::DaySignCount; ++daySign) {
        const std::string_view key =
            engine::DaySignRow(static_cast<std::int16_t>(daySign)).EnglishName;
        imgMayanDaySign.append(QString::fromUtf8(key));
    }

    Label14 = MakeHomeLink(
        QStringLiteral("Label14"),
        //: %1 is the site's web address.
        tr("Talk it over with friendly readers in our Mayan forum! Click Here To Visit %1 Now.")
            .arg(Identity::WebAddress),
        Style::Twips(1583, 30, 5025, 435), true, client());

    buildFrame();

    // Narrower than the frame above, to leave room for Save beside Back.
    fraFullBrand = new BrandPanel(Style::Twips(68, 3645, 5835, 850), client());
    cmdSave = MakeButton(QStringLiteral("cmdSave"), tr("Save"), Style::Twips(5918, 3883, 1095, 375),
                         client());
    cmdBack = MakeButton(QStringLiteral("cmdBack"), tr("Back"), Style::Twips(7028, 3883, 1095, 375),
                         client());
    connect(cmdBack, &QPushButton::clicked, this, &ResultWindow::back);
    connect(cmdSave, &QPushButton::clicked, this, &ResultWindow::save);

    buildMenuBar();
    QWidget::setTabOrder(cmdSave, cmdBack);
    QWidget::setTabOrder(cmdBack, Label14);
    showReading();
}

void ResultWindow::buildFrame()
{
    Frame1 = new QGroupBox(tr("Kinwise Result"), client());
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(Style::Twips(68, 600, 8055, 3050));
    Frame1->setFont(Style::Verdana(9.75, true));
    Style::SetTextColour(Frame1, Qt::white);
    Style::SetBackground(Frame1, Style::WindowTeal);

    Label1 = MakeLabel(QStringLiteral("Label1"), tr("Mayan Day Number"),
                       Style::Twips(120, 652, 1935, 210), Style::Verdana(9, true), Style::Salmon,
                       Frame1);
    lblMayanDayNumber = MakeLabel(QStringLiteral("lblMayanDayNumber"), QStringLiteral("Number"),
                                  Style::Twips(2160, 540, 1635, 435), Style::Verdana(18, true),
                                  Style::Pink, Frame1);
    lblMayanDayNumber->setAlignment(Qt::AlignCenter);
    Style::FitTextToLabel(Label1);

    picGalacticTone = new QLabel(Frame1);
    picGalacticTone->setObjectName(QStringLiteral("picGalacticTone"));
    picGalacticTone->setGeometry(Style::Twips(6240, 240, 1635, 855));
    picGalacticTone->setAlignment(Qt::AlignCenter);

    lblMayanNoDesc =
        MakeLabel(QStringLiteral("lblMayanNoDesc"), QStringLiteral("Desc"),
                  Style::Twips(120, 1440, 7815, 1500), Frame1->font(), Style::Cream, Frame1);
    lblMayanNoDesc->setWordWrap(true);
    lblMayanNoDesc->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void ResultWindow::buildMenuBar()
{
    QMenu* file = AddMenu(menuBar(), QStringLiteral("mnuFile"), tr("&File"));
    connect(AddItem(file, QStringLiteral("mnuBack"), tr("&Back")), &QAction::triggered, cmdBack,
            &QPushButton::click);
    AddSeparator(file, QStringLiteral("mnuSep1"));
    connect(AddItem(file, QStringLiteral("mnuExit"), tr("E&xit")), &QAction::triggered, this,
            &QWidget::close);
    AddHelpAndBarCommands(menuBar(), this, QStringLiteral("mnuSep2"), QStringLiteral("mnuSep3"));
}

void ResultWindow::showReading()
{
    // Computed again on loading, so the window shows what its own reading gives.
    Reading& reading = m_reading;
    engine::ComputeReading(reading, CatalogueLanguage());
    lblMayanDayNumber->setText(QString::number(reading.DayNumber));
    lblMayanNoDesc->setText(QString::fromStdString(reading.NumberDescription));
    lblMayanNoDesc->setFont(Frame1->font());
    Style::FitTextToLabel(lblMayanNoDesc);
    // A reading without a day number shows the sample card.
    const int position = reading.DayNumber;
    picGalacticTone->setPixmap(TonePicture(position, devicePixelRatioF(), CatalogueLanguage()));
    if (position >= 1 && position <= imgGalacticTone.size()) {
        const QString tone = QString::fromUtf8(
            engine::DayNumberRow(reading.DayNumber, CatalogueLanguage()).ToneName);
        picGalacticTone->setAccessibleName(TonePictureText(reading.DayNumber, tone));
        announceReading(tone);
    }
}

// A screen reader speaks the reading as the window opens: the first focus is on the day number,
// whose accessible name is the whole reading (readers speak no description of a label). A label
// draws no focus, so nothing changes on the screen, and Tab goes on as before.
void ResultWindow::announceReading(const QString& toneName)
{
    lblMayanDayNumber->setAccessibleName(
        tr("Mayan Day Number %1, the %2 tone. %3")
            .arg(lblMayanDayNumber->text(), toneName, lblMayanNoDesc->text()));
    GiveFirstFocus(lblMayanDayNumber);
}

void ResultWindow::back()
{
    ShowMainWindow();
    unload();
}

void ResultWindow::save()
{
    ShowReportWindow(this, m_reading);
}

} // namespace kinwise
