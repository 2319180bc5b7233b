// frmMayanNumerologyResult: the day number of a reading, its picture and description.
#pragma once

#include "engine/modMayanNumerology.h"
#include "ui/TopWindow.h"

#include <QStringList>

class QGroupBox;
class QLabel;
class QPushButton;

namespace kinwise {

class BrandPanel;
class LinkLabel;

class ResultWindow : public TopWindow
{
    Q_OBJECT

public:
    explicit ResultWindow(const Reading& reading);

    const Reading& reading() const { return m_reading; }

    LinkLabel* Label14;
    QGroupBox* Frame1;
    QLabel* Label1;
    QLabel* lblMayanDayNumber;
    QLabel* picGalacticTone;
    QLabel* lblMayanNoDesc;
    BrandPanel* fraFullBrand;
    QPushButton* cmdBack;
    QPushButton* cmdSave;

    // The picture lists, by position: resource paths of the tone pictures, and the sign keys.
    QStringList imgGalacticTone;
    QStringList imgMayanDaySign;

    void back();
    void save();

private:
    void buildFrame();
    void buildMenuBar();
    void showReading();
    void announceReading(const QString& toneName);

    Reading m_reading;
};

} // namespace kinwise
