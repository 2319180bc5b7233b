// Where the program's pictures live. They are Qt resources of the static library kinwise_assets;
// call kinwise::InitAssets() once at start-up (after or before QApplication) before using any of
// them, since a static library's resources are only registered by that call.
#pragma once

#include "engine/modMayanNumerology.h"

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QString>

#include <array>

namespace kinwise {

// Registers the kinwise_assets resources; calling it again does no harm.
void InitAssets();

// "tones/NN-ToneName" for day numbers 1..13, "tones/es/NN-ToneName" for the Spanish pictures:
// every language keys its pictures by the English tone name, and each picture carries the
// name in its own language. Without the extension; the same below the assets folder.
QString TonePictureName(int dayNumber, modMayanNumerology::Language language);
// ":/" + TonePictureName + ".jpg"; any other number gives SamplePicturePath(), so a reading not
// yet computed shows the neutral card.
QString
TonePicturePath(int dayNumber,
                modMayanNumerology::Language language = modMayanNumerology::Language::English);
QString SamplePicturePath();
// The same picture for a screen of the given device pixel ratio: the 1x file up to 1, above it
// the @2x file with ratio 2, which a 150 % screen shows smoothly scaled down.
QPixmap TonePicture(int dayNumber, qreal devicePixelRatio,
                    modMayanNumerology::Language language = modMayanNumerology::Language::English);

inline constexpr std::array<int, 8> IconSizes{16, 22, 24, 32, 48, 64, 128, 256};
// The sizes a window shows, decoded once for every window; ":/icons/kinwise-<size>@2x.png" are
// the same at twice the pixels, added only when a screen has a device pixel ratio above 1.
inline constexpr int MaxWindowIconSize = 48;
const QIcon& WindowIcon();

// The pointer over clickable labels: a hand whose index fingertip is the hotspot.
inline constexpr int LinkPointerSize = 32;
inline constexpr int LinkPointerHotspotX = 10;
inline constexpr int LinkPointerHotspotY = 1;
// The hotspot is in logical pixels: (20, 2) on the 64-pixel @2x picture.
QString LinkPointerPath();
// At twice the pixels when the program's screens have a device pixel ratio above 1.
const QCursor& LinkPointer();

} // namespace kinwise
