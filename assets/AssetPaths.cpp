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

namespace {

// Every picture here has a twice-size file beside it, named by Qt's "@2x" convention, from which
// Qt's image reader takes the ratio 2.
QString PathForRatio(const QString& path, qreal devicePixelRatio)
{
    if (devicePixelRatio <= 1) {
        return path;
    }
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return path.left(dot) + QStringLiteral("@2x") + path.mid(dot);
}

} // namespace

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
    return QPixmap(PathForRatio(TonePicturePath(dayNumber, language), devicePixelRatio));
}

const QIcon& WindowIcon()
{
    // Decoded once; title bars and task bars use at most 48 pixels, launchers the installed icons.
    static const QIcon icon = [] {
        // Only the files of the screen's ratio: a 100 % start decodes nothing more, and a 32-pixel
        // 16@2x never competes with the 32-pixel 1x file for the same pixel size.
        const qreal ratio = qGuiApp->devicePixelRatio();
        const int scale = ratio > 1 ? 2 : 1;
        QIcon small;
        for (const int size : IconSizes) {
            if (size <= MaxWindowIconSize) {
                const QString path = QStringLiteral(":/icons/kinwise-%1.png").arg(size);
                small.addFile(PathForRatio(path, ratio), QSize(size, size) * scale);
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
        const QPixmap picture(PathForRatio(LinkPointerPath(), qGuiApp->devicePixelRatio()));
        const int scale = QGuiApplication::platformName() == QLatin1String("xcb")
                              ? qRound(picture.devicePixelRatio())
                              : 1;
        return QCursor(picture, LinkPointerHotspotX * scale, LinkPointerHotspotY * scale);
    }();
    return pointer;
}

} // namespace kinwise
