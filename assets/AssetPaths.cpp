#include "assets/AssetPaths.h"

#include "engine/modMayanNumerology.h"

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

QString TonePicturePath(int dayNumber)
{
    if (dayNumber < 1 || dayNumber > modMayanNumerology::DayNumberCount) {
        return SamplePicturePath();
    }
    const std::string_view name =
        modMayanNumerology::DayNumberRow(static_cast<std::int16_t>(dayNumber)).ToneName;
    return QStringLiteral(":/tones/%1-%2.jpg")
        .arg(dayNumber, 2, 10, QLatin1Char('0'))
        .arg(QString::fromUtf8(name));
}

QString SamplePicturePath()
{
    return QStringLiteral(":/tones/sample.jpg");
}

QStringList IconPaths()
{
    QStringList paths;
    for (int size : IconSizes) {
        paths << QStringLiteral(":/icons/kinwise-%1.png").arg(size);
    }
    return paths;
}

QIcon ProgramIcon()
{
    QIcon icon;
    for (const QString& path : IconPaths()) {
        icon.addFile(path);
    }
    return icon;
}

const QIcon& WindowIcon()
{
    // Decoded once; title bars and task bars use at most 48 pixels, launchers the installed icons.
    static const QIcon icon = [] {
        QIcon small;
        for (const int size : IconSizes) {
            if (size <= MaxWindowIconSize) {
                small.addFile(QStringLiteral(":/icons/kinwise-%1.png").arg(size),
                              QSize(size, size));
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
    static const QCursor pointer(QPixmap(LinkPointerPath()), LinkPointerHotspotX,
                                 LinkPointerHotspotY);
    return pointer;
}

} // namespace kinwise
