#include "assets/AssetPaths.h"

#include "engine/modMayanNumerology.h"

#include <QGuiApplication>
#include <QPixmap>

// Q_INIT_RESOURCE declares a function and so must be used outside any namespace.
static void RegisterKinwiseAssets()
{
    Q_INIT_RESOURCE(kinwise_assets);
}

namespace kinwise {

void InitAssets()
{
    RegisterKinwiseAssets();
}

QString TonePictureName(int dayNumber, modMayanNumerology::Language language)
{
    const std::string_view name =
        modMayanNumerology::DayNumberRow(static_cast<std::int16_t>(dayNumber)).ToneName;
    const QString folder = language == modMayanNumerology::Language::Spanish
                               ? QStringLiteral("tones/es")
                               : QStringLiteral("tones");
    return QStringLiteral("%1/%2-%3")
        .arg(folder)
        .arg(dayNumber, 2, 10, QLatin1Char('0'))
        .arg(QString::fromUtf8(name));
}

QString TonePicturePath(int dayNumber, modMayanNumerology::Language language)
{
    if (dayNumber < 1 || dayNumber > modMayanNumerology::DayNumberCount) {
        return SamplePicturePath();
    }
    return QStringLiteral(":/") + TonePictureName(dayNumber, language) + QStringLiteral(".jpg");
}

QString SamplePicturePath()
{
    return QStringLiteral(":/tones/sample.jpg");
}

QPixmap TonePicture(int dayNumber, qreal devicePixelRatio, modMayanNumerology::Language language)
{
    // Qt finds the @2x file for a ratio above 1 and reads the ratio 2 from its name.
    return QPixmap(qt_findAtNxFile(TonePicturePath(dayNumber, language), devicePixelRatio));
}

const QIcon& WindowIcon()
{
    // Decoded once; title bars and task bars use at most 48 pixels, launchers the installed icons.
    static const QIcon icon = [] {
        QIcon small;
        // The @2x files only when a screen needs them, so a 100 % start decodes nothing more.
        // Qt 6.4 picks by pixels alone and, of equal sizes, the last added; addFile's own @2x
        // lookup files them under the 1x size, so each goes in again at its own pixel size after
        // the 1x files: a 200 % title bar then gets kinwise-16@2x for 16, not a neighbour.
        const int largestScale = qGuiApp->devicePixelRatio() > 1 ? 2 : 1;
        for (int scale = 1; scale <= largestScale; ++scale) {
            for (const int size : IconSizes) {
                if (size <= MaxWindowIconSize) {
                    const QString path = QStringLiteral(":/icons/kinwise-%1.png").arg(size);
                    small.addFile(scale == 1 ? path : qt_findAtNxFile(path, scale),
                                  QSize(size, size) * scale);
                }
            }
        }
        return small;
    }();
    return icon;
}

QString LinkPointerPath()
{
    return QStringLiteral(":/pointer/link-pointer.png");
}

const QCursor& LinkPointer()
{
    // One cursor for every link label instead of a decode and a new X cursor each.
    static const QCursor pointer = [] {
        // The @2x picture comes with ratio 2; the hotspot is given in logical pixels, except
        // that Qt's X11 plugin hands it to the server unscaled, as pixels of the picture.
        const QPixmap picture(qt_findAtNxFile(LinkPointerPath(), qGuiApp->devicePixelRatio()));
        const int scale = QGuiApplication::platformName() == QLatin1String("xcb")
                              ? qRound(picture.devicePixelRatio())
                              : 1;
        return QCursor(picture, LinkPointerHotspotX * scale, LinkPointerHotspotY * scale);
    }();
    return pointer;
}

} // namespace kinwise
