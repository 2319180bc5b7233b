#include "ResultWindow.h"

#include "BrandPanel.h"
#include "CurrentReading.h"
#include "LinkLabel.h"
#include "MenuBars.h"
#include "SitePages.h"
#include "Style.h"
#include "Texts.h"
#include "Windows.h"
#include "assets/AssetPaths.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>

namespace kinwise {

namespace engine = modMayanNumerology;

namespace {

QLabel* MakeLabel(const QString& name, const QString& caption, const QRect& geometry,
                  const QColor& colour, const QFont& font, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setFont(font);
    Style::SetTextColour(label, colour);
    return label;
}

QPushButton* MakeButton(const QString& name, const QString& caption, const QRect& geometry,
                        QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    return button;
}

} // namespace

ResultWindow::ResultWindow()
    : TopWindow(QStringLiteral("frmMayanNumerologyResult"), Style::TwipsSize(8190, 4530))
{
    for (int dayNumber = 1; dayNumber <= engine::DayNumberCount; ++dayNumber) {
        imgGalacticTone.append(TonePicturePath(dayNumber));
    }
    for (int daySign = 1; daySign <= engine::DaySignCount; ++daySign) {
        const std::string_view key =
            engine::DaySignRow(static_cast<std::int16_t>(daySign)).EnglishName;
        imgMayanDaySign.append(QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size())));
    }

    Label14 = new LinkLabel(QStringLiteral("Label14"), Texts::ForumLink, PageKey::Home, client());
    Label14->setGeometry(Style::Twips(1583, 30, 5025, 435));
    Label14->setAlignment(Qt::AlignCenter);
    Label14->setWordWrap(true);
    Label14->setFont(Style::Verdana(8.25, true, true));
    Style::SetTextColour(Label14, Style::LinkCyan);
    Style::FitTextToLabel(Label14);

    buildFrame();

    // Narrower than the frame above, to leave room for Save beside Back.
    fraFullBrand = new BrandPanel(Style::Twips(68, 3645, 5835, 850), client());
    cmdSave = MakeButton(QStringLiteral("cmdSave"), Texts::Save,
                         Style::Twips(5918, 3883, 1095, 375), client());
    cmdBack = MakeButton(QStringLiteral("cmdBack"), Texts::Back,
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
    Frame1 = new QGroupBox(Texts::ResultFrame, client());
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(Style::Twips(68, 600, 8055, 3050));
    Frame1->setFont(Style::Verdana(9.75, true));
    Style::SetTextColour(Frame1, Qt::white);
    Style::SetBackground(Frame1, Style::WindowTeal);

    Label1 = MakeLabel(QStringLiteral("Label1"), Texts::MayanDayNumber,
                       Style::Twips(120, 652, 1935, 210), Style::Salmon, Style::Verdana(9, true),
                       Frame1);
    lblMayanDayNumber = MakeLabel(QStringLiteral("lblMayanDayNumber"), QStringLiteral("Number"),
                                  Style::Twips(2160, 540, 1635, 435), Style::Pink,
                                  Style::Verdana(18, true), Frame1);
    lblMayanDayNumber->setAlignment(Qt::AlignCenter);
    Style::FitTextToLabel(Label1);

    picGalacticTone = new QLabel(Frame1);
    picGalacticTone->setObjectName(QStringLiteral("picGalacticTone"));
    // A little taller than a picture-box of 855 twips so the 60-pixel pictures show whole.
    picGalacticTone->setGeometry(Style::Twips(6240, 240, 1635, 900));
    picGalacticTone->setAlignment(Qt::AlignCenter);

    lblMayanNoDesc =
        MakeLabel(QStringLiteral("lblMayanNoDesc"), QStringLiteral("Desc"),
                  Style::Twips(120, 1440, 7815, 1500), Style::Cream, Frame1->font(), Frame1);
    lblMayanNoDesc->setWordWrap(true);
    lblMayanNoDesc->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void ResultWindow::buildMenuBar()
{
    QMenu* file = AddMenu(menuBar(), QStringLiteral("mnuFile"), Texts::MenuFile);
    connect(AddItem(file, QStringLiteral("mnuBack"), Texts::MenuBack), &QAction::triggered, cmdBack,
            &QPushButton::click);
    AddSeparator(file, QStringLiteral("mnuSep1"));
    connect(AddItem(file, QStringLiteral("mnuExit"), Texts::MenuExit), &QAction::triggered, this,
            &QWidget::close);
    AddHelpAndBarCommands(menuBar(), this, QStringLiteral("mnuSep2"), QStringLiteral("mnuSep3"));
}

void ResultWindow::showReading()
{
    Reading& reading = CurrentReading();
    engine::ComputeReading(reading);
    lblMayanDayNumber->setText(QString::number(reading.DayNumber));
    lblMayanNoDesc->setText(QString::fromStdString(reading.NumberDescription));
    lblMayanNoDesc->setFont(Frame1->font());
    Style::FitTextToLabel(lblMayanNoDesc);
    // The sample card, decoded only when the reading has no tone picture to show.
    const int position = reading.DayNumber;
    const bool hasTone = position >= 1 && position <= imgGalacticTone.size();
    const QPixmap picture = TonePicture(position, devicePixelRatioF());
    picGalacticTone->setPixmap(picture.isNull() ? QPixmap(SamplePicturePath()) : picture);
    if (hasTone) {
        const std::string_view tone = engine::DayNumberRow(reading.DayNumber).ToneName;
        picGalacticTone->setAccessibleName(
            QString::fromLatin1(tone.data(), static_cast<qsizetype>(tone.size())));
    }
}

void ResultWindow::back()
{
    ShowMainWindow();
    unload();
}

void ResultWindow::save()
{
    ShowReportWindow(this);
}

} // namespace kinwise
