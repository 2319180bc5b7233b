#include "ui/ResultWindow.h"

#include "assets/AssetPaths.h"
#include "ui/BrandPanel.h"
#include "ui/Controls.h"
#include "ui/LinkLabel.h"
#include "ui/MenuBars.h"
#include "ui/ReadingCommands.h"
#include "ui/SitePages.h"
#include "ui/Style.h"
#include "ui/Texts.h"
#include "ui/Windows.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>

namespace kinwise {

namespace engine = modMayanNumerology;

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

    Label14 = MakeHomeLink(QStringLiteral("Label14"), Texts::ForumLink(),
                           Style::Twips(1583, 30, 5025, 435), true, client());

    buildFrame();

    // Narrower than the frame above, to leave room for Save beside Back.
    fraFullBrand = new BrandPanel(Style::Twips(68, 3645, 5835, 850), client());
    cmdSave = MakeButton(QStringLiteral("cmdSave"), Texts::Save(),
                         Style::Twips(5918, 3883, 1095, 375), client());
    cmdBack = MakeButton(QStringLiteral("cmdBack"), Texts::Back(),
                         Style::Twips(7028, 3883, 1095, 375), client());
    connect(cmdBack, &QPushButton::clicked, this, &ResultWindow::back);
    connect(cmdSave, &QPushButton::clicked, this, &ResultWindow::save);

    buildMenuBar();
    QWidget::setTabOrder(cmdSave, cmdBack);
    QWidget::setTabOrder(cmdBack, Label14);
    showReading();
}

void ResultWindow::buildFrame()
{
    Frame1 = new QGroupBox(Texts::ResultFrame(), client());
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(Style::Twips(68, 600, 8055, 3050));
    Frame1->setFont(Style::Verdana(9.75, true));
    Style::SetTextColour(Frame1, Qt::white);
    Style::SetBackground(Frame1, Style::WindowTeal);

    Label1 = MakeLabel(QStringLiteral("Label1"), Texts::MayanDayNumber(),
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
    QMenu* file = AddMenu(menuBar(), QStringLiteral("mnuFile"), Texts::MenuFile());
    connect(AddItem(file, QStringLiteral("mnuBack"), Texts::MenuBack()), &QAction::triggered,
            cmdBack, &QPushButton::click);
    AddSeparator(file, QStringLiteral("mnuSep1"));
    connect(AddItem(file, QStringLiteral("mnuExit"), Texts::MenuExit()), &QAction::triggered, this,
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
        const std::string_view tone = engine::DayNumberRow(reading.DayNumber).ToneName;
        picGalacticTone->setAccessibleName(QString::fromUtf8(tone));
    }
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
