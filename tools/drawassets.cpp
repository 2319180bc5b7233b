// Redraws every picture of the program into an assets folder: tone cards, program icon and the
// link pointer, each also at twice the pixels as name@2x for 200 % screens.
// Usage: kinwise_drawassets <assets-folder>
#include "assets/AssetPaths.h"
#include "engine/modMayanNumerology.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// One palette for cards, icon and SVG so they read as one family.
const QColor CardTop(0xF6, 0xEC, 0xD4);
const QColor CardBottom(0xE8, 0xD7, 0xB2);
const QColor CardEdge(0x9C, 0x7A, 0x4E);
const QColor CardRule(0xCF, 0xB7, 0x8C);
const QColor GlyphInk(0x0C, 0x4F, 0x60);
const QColor GlyphLight(0xFF, 0xFA, 0xEE);
const QColor NameInk(0x4A, 0x31, 0x1E);
const QColor TabletEdge(0x5B, 0x3D, 0x22);
const QColor TabletLow(0xD8, 0xBE, 0x8E);

constexpr int CardWidth = 100;
// 57 pixels high: the result window's picture box, 855 twips, shows the card whole.
constexpr int CardHeight = 57;
constexpr int JpegQuality = 90;

const QString FontFamily = QStringLiteral("DejaVu Sans");

// Bar-and-dot layout of a tone card in pixels; integers keep bar edges crisp.
constexpr int DotSize = 8;
constexpr int DotPitch = 12; // even, so every row of dots centres on whole pixels
constexpr int BarWidth = 56;
constexpr int BarHeight = 7;
constexpr int RowGap = 3;
constexpr int GlyphBandTop = 5;
constexpr int GlyphBandBottom = 35;
constexpr int NameBaseline = 48;

// width x height in logical pixels; a painter on it draws at the scale, so one drawing serves both.
QImage NewImage(int width, int height, bool transparent, int scale)
{
    QImage image(width * scale, height * scale,
                 transparent ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(transparent ? Qt::transparent : CardBottom);
    return image;
}

void DrawCard(QPainter& painter)
{
    QLinearGradient fill(0, 0, 0, CardHeight);
    fill.setColorAt(0, CardTop);
    fill.setColorAt(1, CardBottom);
    painter.fillRect(0, 0, CardWidth, CardHeight, fill);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(CardEdge, 1));
    painter.drawRect(QRectF(0.5, 0.5, CardWidth - 1, CardHeight - 1));
    painter.setPen(QPen(CardRule, 1));
    painter.drawRect(QRectF(3.5, 3.5, CardWidth - 7, CardHeight - 7));
}

// Dots above bars, everything centred; a faint light copy one pixel lower looks carved in.
void DrawBarAndDot(QPainter& painter, int number, QRect band)
{
    const int bars = number / 5;
    const int dots = number % 5;
    const int rows = bars + (dots > 0 ? 1 : 0);
    const int height = (dots > 0 ? DotSize : 0) + bars * BarHeight + (rows - 1) * RowGap;
    const int centreX = band.left() + band.width() / 2;
    int y = band.top() + (band.height() - height) / 2;

    QPainterPath glyph;
    if (dots > 0) {
        const int rowWidth = (dots - 1) * DotPitch + DotSize;
        const int left = centreX - rowWidth / 2;
        for (int i = 0; i < dots; ++i) {
            glyph.addEllipse(QRectF(left + i * DotPitch, y, DotSize, DotSize));
        }
        y += DotSize + RowGap;
    }
    for (int i = 0; i < bars; ++i) {
        glyph.addRoundedRect(QRectF(centreX - BarWidth / 2, y, BarWidth, BarHeight), 2, 2);
        y += BarHeight + RowGap;
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(GlyphLight);
    painter.drawPath(glyph.translated(0, 1));
    painter.setBrush(GlyphInk);
    painter.drawPath(glyph);
}

QFont NameFont()
{
    QFont font(FontFamily);
    font.setPixelSize(11);
    font.setWeight(QFont::DemiBold);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QImage DrawTonePicture(int number, const QString& name, int scale)
{
    QImage image = NewImage(CardWidth, CardHeight, false, scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    DrawCard(painter);
    DrawBarAndDot(painter, number,
                  QRect(0, GlyphBandTop, CardWidth, GlyphBandBottom - GlyphBandTop));

    QFont font = NameFont();
    // Shrink rather than clip should a name ever outgrow the card.
    while (QFontMetrics(font).horizontalAdvance(name) > CardWidth - 14 && font.pixelSize() > 7) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    painter.setFont(font);
    const int width = QFontMetrics(font).horizontalAdvance(name);
    painter.setPen(NameInk);
    painter.drawText(QPoint((CardWidth - width) / 2, NameBaseline), name);
    return image;
}

QImage DrawSamplePicture(int scale)
{
    QImage image = NewImage(CardWidth, CardHeight, false, scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawCard(painter);
    return image;
}

// The icon: a stone slab showing thirteen (three dots over two bars), the full count of tones.
// Every length is a whole number of pixels so the small sizes stay crisp.
struct IconLayout
{
    int Depth; // the slab's darker side, seen below and to the right
    int Face;  // width and height of the slab's face
    int Edge;
    qreal Radius;
    QList<QRect> Dots;
    QList<QRect> Bars;
};

IconLayout IconLayoutFor(int size)
{
    IconLayout layout;
    layout.Depth = std::max(1, size / 20);
    layout.Face = size - layout.Depth;
    const qreal unit = layout.Face / 15.0;
    auto px = [&](qreal units, int least) {
        return std::max(least, static_cast<int>(std::lround(units * unit)));
    };
    layout.Edge = px(0.6, 1);
    layout.Radius = std::max(2.5, 2.6 * unit);
    const int dot = px(3, 3);
    const int gap = px(1, 1);
    const int bar = px(2, 2);
    int width = 3 * dot + 2 * gap;
    // Centring needs the spare width to split evenly.
    const int spareWidth = layout.Face - width;
    const int left = spareWidth / 2;
    width += spareWidth % 2;
    const int height = dot + 2 * (gap + bar);
    int y = (layout.Face - height) / 2;
    for (int i = 0; i < 3; ++i) {
        layout.Dots << QRect(left + i * (dot + gap) + (i == 2 ? spareWidth % 2 : 0), y, dot, dot);
    }
    y += dot + gap;
    for (int i = 0; i < 2; ++i) {
        layout.Bars << QRect(left, y, width, bar);
        y += bar + gap;
    }
    return layout;
}

QRectF FaceRect(const IconLayout& layout, int offset)
{
    const qreal inset = layout.Edge / 2.0;
    return QRectF(offset + inset, offset + inset, layout.Face - layout.Edge,
                  layout.Face - layout.Edge);
}

// At scale 2 the same layout twice as fine, rather than the layout of the doubled size: a 2x
// title bar then shows the icon it shows at 1x.
QImage DrawIcon(int size, int scale)
{
    const IconLayout layout = IconLayoutFor(size);
    QImage image = NewImage(size, size, true, scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    painter.setPen(QPen(TabletEdge, layout.Edge));
    painter.setBrush(TabletEdge);
    painter.drawRoundedRect(FaceRect(layout, layout.Depth), layout.Radius, layout.Radius);

    QLinearGradient stone(0, 0, 0, layout.Face);
    stone.setColorAt(0, CardTop);
    stone.setColorAt(1, TabletLow);
    painter.setBrush(stone);
    painter.drawRoundedRect(FaceRect(layout, 0), layout.Radius, layout.Radius);

    painter.setPen(Qt::NoPen);
    painter.setBrush(GlyphInk);
    for (const QRect& bar : layout.Bars) {
        const qreal round = bar.height() / 3.0;
        painter.drawRoundedRect(bar, round, round);
    }
    for (const QRect& dot : layout.Dots) {
        painter.drawEllipse(dot);
    }
    return image;
}

QString SvgNumber(qreal value)
{
    return QString::number(value, 'f', 2);
}

// The 256-pixel layout written out by hand, so no SVG module is needed.
QByteArray IconSvg()
{
    constexpr int size = 256;
    const IconLayout layout = IconLayoutFor(size);
    auto rect = [](const QRectF& r, qreal radius, const QString& attributes) {
        return QStringLiteral(
                   "  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" %6/>\n")
            .arg(SvgNumber(r.x()), SvgNumber(r.y()), SvgNumber(r.width()), SvgNumber(r.height()),
                 SvgNumber(radius), attributes);
    };
    const QString edge = QStringLiteral("stroke=\"%1\" stroke-width=\"%2\"")
                             .arg(TabletEdge.name(), SvgNumber(layout.Edge));
    QString svg;
    svg += QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    svg += QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                          "viewBox=\"0 0 %1 %1\">\n")
               .arg(size);
    svg += QStringLiteral("  <title>Kinwise</title>\n");
    svg += QStringLiteral("  <defs>\n"
                          "    <linearGradient id=\"stone\" gradientUnits=\"userSpaceOnUse\" "
                          "x1=\"0\" y1=\"0\" x2=\"0\" y2=\"%1\">\n"
                          "      <stop offset=\"0\" stop-color=\"%2\"/>\n"
                          "      <stop offset=\"1\" stop-color=\"%3\"/>\n"
                          "    </linearGradient>\n"
                          "  </defs>\n")
               .arg(QString::number(layout.Face), CardTop.name(), TabletLow.name());
    svg += rect(FaceRect(layout, layout.Depth), layout.Radius,
                QStringLiteral("fill=\"%1\" %2").arg(TabletEdge.name(), edge));
    svg += rect(FaceRect(layout, 0), layout.Radius, QStringLiteral("fill=\"url(#stone)\" ") + edge);
    for (const QRect& bar : layout.Bars) {
        svg += rect(bar, bar.height() / 3.0, QStringLiteral("fill=\"%1\"").arg(GlyphInk.name()));
    }
    for (const QRect& dot : layout.Dots) {
        const QRectF r(dot);
        svg += QStringLiteral("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"%4\"/>\n")
                   .arg(SvgNumber(r.center().x()), SvgNumber(r.center().y()),
                        SvgNumber(r.width() / 2), GlyphInk.name());
    }
    svg += QStringLiteral("</svg>\n");
    return svg.toUtf8();
}

// Round-capped stroke of the given width: fingers are capsules.
QPainterPath Capsule(QPointF from, QPointF to, qreal width)
{
    QPainterPath line(from);
    line.lineTo(to);
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    return stroker.createStroke(line);
}

// A pointing hand: index finger up with the hotspot on its tip, three folded fingers, thumb left.
// Outlines run along pixel centres so the one-pixel pen stays crisp.
QImage DrawLinkPointer(int scale)
{
    constexpr int size = kinwise::LinkPointerSize;
    constexpr qreal tipX = kinwise::LinkPointerHotspotX + 0.5;
    constexpr qreal tipY = kinwise::LinkPointerHotspotY + 0.5;
    constexpr qreal finger = 6;
    constexpr qreal knuckle = 4;
    const QPointF knuckleTops[3] = {
        {tipX + 5, tipY + 10}, {tipX + 9, tipY + 11}, {tipX + 13, tipY + 13}};

    QPainterPath hand = Capsule({tipX, tipY + finger / 2}, {tipX, tipY + 18}, finger);
    for (const QPointF& top : knuckleTops) {
        const QPointF centre = top + QPointF(0, knuckle / 2);
        hand = hand.united(Capsule(centre, centre + QPointF(0, 7), knuckle));
    }
    hand = hand.united(Capsule({tipX - 6, tipY + 14.5}, {tipX - 1.5, tipY + 21}, 5));
    QPainterPath palm;
    palm.addRoundedRect(QRectF(tipX - finger / 2, tipY + 15, 18, 12), 4, 4);
    hand = hand.united(palm).simplified();

    QImage image = NewImage(size, size, true, scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor outline(0x14, 0x14, 0x14);
    QLinearGradient skin(0, 0, size, 0);
    skin.setColorAt(0, QColor(0xFF, 0xFF, 0xFF));
    skin.setColorAt(1, QColor(0xE2, 0xE5, 0xE8));
    painter.setBrush(skin);
    painter.setPen(QPen(outline, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(hand);

    // Creases where the folded fingers meet, short so the fill stays light.
    for (const QPointF& top : knuckleTops) {
        const qreal x = top.x() - knuckle / 2;
        painter.drawLine(QPointF(x, top.y() + 1), QPointF(x, top.y() + 4));
    }
    return image;
}

QByteArray Encode(const QImage& image, const char* format, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format, quality)) {
        return {};
    }
    return bytes;
}

// Leaves an unchanged file alone so its time stamp does not trigger a resource rebuild.
bool WriteIfChanged(const QString& path, const QByteArray& bytes)
{
    if (bytes.isEmpty()) {
        std::fprintf(stderr, "cannot encode %s\n", qPrintable(path));
        return false;
    }
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes) {
        return true;
    }
    existing.close();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("wrote %s\n", qPrintable(QDir::toNativeSeparators(path)));
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    // Offscreen everywhere so the same fonts and rasteriser draw every run.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: kinwise_drawassets <assets-folder>\n");
        return 2;
    }
    const QFontInfo font(NameFont());
    if (font.family() != FontFamily) {
        std::fprintf(stderr, "font %s is missing (found %s)\n", qPrintable(FontFamily),
                     qPrintable(font.family()));
        return 1;
    }

    const QDir root(QString::fromLocal8Bit(argv[1]));
    for (const char* folder : {"tones", "tones/es", "icons", "pointer"}) {
        if (!root.mkpath(QString::fromLatin1(folder))) {
            std::fprintf(stderr, "cannot create %s in %s\n", folder, argv[1]);
            return 1;
        }
    }

    bool ok = true;
    // "name.ext" at scale 1, "name@2x.ext" at scale 2: the suffix Qt looks for on 200 % screens.
    auto write = [&](const QString& name, const char* extension, int scale, const QImage& image) {
        const QString file = name + (scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale)) +
                             QLatin1Char('.') + QLatin1String(extension);
        const bool jpeg = qstrcmp(extension, "jpg") == 0;
        ok &= WriteIfChanged(root.filePath(file),
                             Encode(image, jpeg ? "JPG" : "PNG", jpeg ? JpegQuality : -1));
    };
    namespace engine = kinwise::modMayanNumerology;
    for (const int scale : {1, 2}) {
        // Each language's cards carry the tone names of its catalogue.
        for (const auto language : {engine::Language::English, engine::Language::Spanish}) {
            for (int n = 1; n <= engine::DayNumberCount; ++n) {
                const std::string_view name =
                    engine::DayNumberRow(static_cast<std::int16_t>(n), language).ToneName;
                const QString toneName =
                    QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
                write(kinwise::TonePictureName(n, language), "jpg", scale,
                      DrawTonePicture(n, toneName, scale));
            }
        }
        write(QStringLiteral("tones/sample"), "jpg", scale, DrawSamplePicture(scale));
        for (const int size : kinwise::IconSizes) {
            // Launchers take the large sizes from the installed icons; only window sizes need 2x.
            if (scale == 1 || size <= kinwise::MaxWindowIconSize) {
                write(QStringLiteral("icons/kinwise-%1").arg(size), "png", scale,
                      DrawIcon(size, scale));
            }
        }
        write(QStringLiteral("pointer/link-pointer"), "png", scale, DrawLinkPointer(scale));
    }
    ok &= WriteIfChanged(root.filePath(QStringLiteral("icons/kinwise.svg")), IconSvg());
    return ok ? 0 : 1;
}
