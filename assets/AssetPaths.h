// Where the program's pictures live. They are Qt resources of the static library kinwise_assets;
// call kinwise::InitAssets() once at start-up (after or before QApplication) before using any of
// them, since a static library's resources are only registered by that call.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QString>
#include <QStringList>

#include <array>

namespace kinwise {

// Registers the kinwise_assets resources; calling it again does no harm.
void InitAssets();

// ":/tones/NN-ToneName.jpg" for day numbers 1..13; any other number gives SamplePicturePath(),
// so a reading not yet computed shows the neutral card.
QString TonePicturePath(int dayNumber);
QString SamplePicturePath();

inline constexpr std::array<int, 8> IconSizes{16, 22, 24, 32, 48, 64, 128, 256};
// ":/icons/kinwise-<size>.png", one for each of IconSizes, smallest first.
QStringList IconPaths();
QIcon ProgramIcon();
// The sizes a window shows, decoded once for every window.
inline constexpr int MaxWindowIconSize = 48;
const QIcon& WindowIcon();

// The pointer over clickable labels: a hand whose index fingertip is the hotspot.
inline constexpr int LinkPointerSize = 32;
inline constexpr int LinkPointerHotspotX = 10;
inline constexpr int LinkPointerHotspotY = 1;
QString LinkPointerPath();
const QCursor& LinkPointer();

} // namespace kinwise
