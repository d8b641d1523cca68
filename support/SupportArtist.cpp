#include "SupportArtist.h"

#include <QCryptographicHash>
#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRandomGenerator>
#include <QtEndian>

#include <algorithm>
#include <array>

namespace zv {

namespace {

using Kind = SupportPicture::Kind;

// The hunting palette: forest greens, bark browns and a dry-grass gold for text.
namespace Palette {
const QColor Night(0x0d, 0x12, 0x0b);
const QColor Forest(0x1f, 0x2b, 0x18);
const QColor Moss(0x3d, 0x4f, 0x2a);
const QColor Pine(0x15, 0x24, 0x12);
const QColor Bark(0x4b, 0x34, 0x1f);
const QColor Leather(0x8a, 0x63, 0x3a);
const QColor Tan(0xcf, 0xb9, 0x82);
const QColor Gold(0xf2, 0xd9, 0x7c);
const QColor Glow(0xdc, 0xf5, 0x6e);
const QColor Lit(0xff, 0xfb, 0xe2);
} // namespace Palette

// Seeded from a name, so that every build draws the same scene for the same picture.
QRandomGenerator RandomFor(const QString& key)
{
    const QByteArray digest = QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Md5);
    return QRandomGenerator(qFromLittleEndian<quint32>(digest.constData()));
}

// --- captions ---------------------------------------------------------------------------------

constexpr int MinCaptionPixels = 6;
constexpr int CenteredCaption = Qt::AlignCenter | Qt::TextWordWrap;

QFont CaptionFont(int pixels)
{
    // Qt falls back to its default family when Liberation Sans is not installed.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixels);
    font.setBold(true);
    return font;
}

// The largest font, up to maxPixels, in which the wrapped text fits the box.
QFont FittingFont(const QString& text, const QRect& box, int flags, int maxPixels)
{
    for (int pixels = maxPixels; pixels > MinCaptionPixels; --pixels) {
        const QFont font = CaptionFont(pixels);
        const QRect needed = QFontMetrics(font).boundingRect(box, flags, text);
        if (needed.width() <= box.width() && needed.height() <= box.height())
            return font;
    }
    return CaptionFont(MinCaptionPixels);
}

// A drop shadow keeps the caption readable on light and dark parts of a picture alike.
void DrawCaption(QPainter& painter, const QRect& box, const QString& text, const QColor& colour,
                 int maxPixels, int flags = CenteredCaption)
{
    if (text.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(FittingFont(text, box, flags, maxPixels));
    painter.setPen(QColor(0, 0, 0, 190));
    painter.drawText(box.translated(1, 1), flags, text);
    painter.setPen(colour);
    painter.drawText(box, flags, text);
    painter.restore();
}

int CaptionPixelsFor(const QRect& area)
{
    return std::clamp(area.height() / 2, 8, 14);
}

// --- plates -----------------------------------------------------------------------------------

struct PlateLook {
    QColor top;    // fill at the top edge
    QColor bottom; // fill at the bottom edge
    QColor light;  // bevel catching the light, top and left
    QColor shade;  // bevel in shadow, bottom and right
    QColor edge;   // outermost line
};

const PlateLook IdlePlate{
    {0x55, 0x66, 0x38}, {0x2a, 0x38, 0x1c}, {0x8c, 0x9a, 0x60}, {0x14, 0x1b, 0x0e}, Palette::Night};
const PlateLook LitPlate{
    {0xa6, 0xb8, 0x52}, {0x62, 0x7e, 0x2c}, {0xf2, 0xfc, 0xb8}, {0x36, 0x48, 0x18}, Palette::Glow};
const PlateLook BlankPlate{
    {0x3c, 0x3e, 0x34}, {0x29, 0x2b, 0x24}, {0x56, 0x58, 0x4c}, {0x18, 0x19, 0x14}, Palette::Night};
const PlateLook IdleLeather{
    {0x6e, 0x4c, 0x2c}, {0x3c, 0x29, 0x17}, {0x9c, 0x78, 0x4e}, {0x1c, 0x12, 0x09}, Palette::Night};
const PlateLook LitLeather{
    {0xc0, 0x92, 0x4e}, {0x7c, 0x58, 0x28}, {0xff, 0xea, 0xb0}, {0x3a, 0x26, 0x10}, Palette::Glow};

// Lines along the inside of the area's edge pixels, growing inwards.
void DrawBevel(QPainter& painter, const QRect& area, const QColor& light, const QColor& shade,
               int width)
{
    for (int i = 0; i < width; ++i) {
        const QRect line = area.adjusted(i, i, -i, -i);
        painter.setPen(light);
        painter.drawLine(line.topLeft(), line.topRight());
        painter.drawLine(line.topLeft(), line.bottomLeft());
        painter.setPen(shade);
        painter.drawLine(line.bottomLeft(), line.bottomRight());
        painter.drawLine(line.topRight(), line.bottomRight());
    }
}

void DrawPlate(QPainter& painter, const QRect& area, const PlateLook& look)
{
    QLinearGradient fill(area.topLeft(), area.bottomLeft());
    fill.setColorAt(0, look.top);
    fill.setColorAt(1, look.bottom);
    painter.fillRect(area, fill);
    const int bevel = std::min(area.width(), area.height()) >= 24 ? 2 : 1;
    DrawBevel(painter, area.adjusted(1, 1, -1, -1), look.light, look.shade, bevel);
    painter.setPen(look.edge);
    painter.drawRect(area.adjusted(0, 0, -1, -1));
}

// The lit look: a bright rim fading inwards, as if the plate were lit from behind.
void DrawGlow(QPainter& painter, const QRect& area)
{
    for (int i = 0; i < 3; ++i) {
        QColor rim = Palette::Glow;
        rim.setAlpha(230 - 75 * i);
        painter.setPen(rim);
        painter.drawRect(area.adjusted(i, i, -1 - i, -1 - i));
    }
}

// --- landscapes -------------------------------------------------------------------------------

struct Sky {
    QColor high;
    QColor low;
    QColor sun;
};

const std::array<Sky, 3> Skies{{
    {{0x5d, 0x86, 0xb0}, {0xe9, 0xc0, 0x86}, {0xff, 0xef, 0xc4}}, // morning
    {{0x86, 0xb4, 0xdc}, {0xdd, 0xea, 0xef}, {0xff, 0xff, 0xe8}}, // midday
    {{0x2e, 0x2a, 0x55}, {0xd9, 0x7b, 0x46}, {0xff, 0xc8, 0x7a}}, // dusk
}};

// A skyline across the area, its points between the two depths (fractions of the height),
// closed along the bottom so that it fills as ground.
QPolygonF Ridge(const QRectF& area, double highest, double lowest, int points,
                QRandomGenerator& random)
{
    QPolygonF ridge{area.bottomLeft()};
    for (int i = 0; i <= points; ++i) {
        const double depth = highest + (lowest - highest) * random.generateDouble();
        ridge << QPointF(area.left() + area.width() * i / points,
                         area.top() + area.height() * depth);
    }
    ridge << area.bottomRight();
    return ridge;
}

void FillShape(QPainter& painter, const QPolygonF& shape, const QBrush& brush)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(brush);
    painter.drawPolygon(shape);
}

// Pines standing between the two depths (fractions of the height), the smallest of them the
// given fraction of the area's height tall and the tallest more than twice that.
void DrawPines(QPainter& painter, const QRectF& area, int count, double from, double to,
               double size, const QColor& colour, QRandomGenerator& random)
{
    for (int i = 0; i < count; ++i) {
        const double x = area.left() + area.width() * random.generateDouble();
        const double base =
            area.top() + area.height() * (from + (to - from) * random.generateDouble());
        const double height = area.height() * size * (1.0 + 1.3 * random.generateDouble());
        FillShape(
            painter,
            QPolygonF{{x, base - height}, {x + height * 0.28, base}, {x - height * 0.28, base}},
            colour);
    }
}

// Sky, sun, snow-capped mountains, hills, sometimes a lake, and pines in front.
void DrawLandscape(QPainter& painter, const QRect& area, QRandomGenerator& random)
{
    painter.save();
    painter.setClipRect(area);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF land(area);

    const Sky& sky = Skies[random.bounded(int(Skies.size()))];
    QLinearGradient air(land.topLeft(), land.bottomLeft());
    air.setColorAt(0, sky.high);
    air.setColorAt(0.6, sky.low);
    painter.fillRect(land, air);

    const double sunRadius = land.height() / 10;
    painter.setPen(Qt::NoPen);
    painter.setBrush(sky.sun);
    painter.drawEllipse(
        QPointF(land.left() + land.width() * (0.15 + 0.7 * random.generateDouble()),
                land.top() + land.height() * (0.12 + 0.15 * random.generateDouble())),
        sunRadius, sunRadius);

    QLinearGradient rock(land.topLeft(), QPointF(land.left(), land.top() + land.height() * 0.6));
    rock.setColorAt(0.0, QColor(0xf2, 0xf4, 0xf2));
    rock.setColorAt(0.42, QColor(0xd8, 0xde, 0xde));
    rock.setColorAt(0.7, QColor(0x66, 0x78, 0x80));
    FillShape(painter, Ridge(land, 0.18, 0.5, 4 + random.bounded(4), random), rock);
    FillShape(painter, Ridge(land, 0.5, 0.66, 9, random), QColor(0x4c, 0x6b, 0x3a));

    if (random.bounded(2) == 1) {
        QLinearGradient water(land.topLeft(), land.bottomLeft());
        water.setColorAt(0.6, QColor(0x7d, 0xa8, 0xc4));
        water.setColorAt(0.9, QColor(0x35, 0x5c, 0x78));
        painter.fillRect(QRectF(land.left(), land.top() + land.height() * 0.66, land.width(),
                                land.height() * 0.16),
                         water);
    }

    FillShape(painter, Ridge(land, 0.76, 0.86, 7, random), Palette::Forest);
    DrawPines(painter, land, std::max(3, int(land.width() / 14)), 0.8, 1.0, 0.12, Palette::Pine,
              random);
    painter.restore();
}

// Game birds in a V across the upper sky.
void DrawFlock(QPainter& painter, const QRect& area, QRandomGenerator& random)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Palette::Night, 1.3));
    painter.setBrush(Qt::NoBrush);
    const double leadX = area.left() + area.width() * (0.3 + 0.2 * random.generateDouble());
    const double leadY = area.top() + area.height() * 0.14;
    const double wing = std::max(3.0, area.height() / 30.0);
    for (int i = -3; i <= 3; ++i) {
        const double x = leadX + i * wing * 3.2;
        const double y = leadY + std::abs(i) * wing * 1.6;
        QPainterPath bird({x - wing, y - wing * 0.5});
        bird.quadTo(x - wing * 0.4, y - wing * 0.7, x, y);
        bird.quadTo(x + wing * 0.4, y - wing * 0.7, x + wing, y - wing * 0.5);
        painter.drawPath(bird);
    }
    painter.restore();
}

// A dark strip along the bottom for a caption over a scene.
QRect CaptionBand(const QRect& area, int height)
{
    return QRect(area.left(), area.bottom() - height + 1, area.width(), height);
}

// --- one function per kind --------------------------------------------------------------------

void DrawButton(QPainter& painter, const SupportPicture& picture, bool lit)
{
    const QRect area(0, 0, picture.width, picture.height);
    DrawPlate(painter, area, lit ? LitPlate : IdlePlate);
    if (lit)
        DrawGlow(painter, area);
    DrawCaption(painter, area.adjusted(3, 2, -3, -2), picture.caption,
                lit ? Palette::Lit : Palette::Tan, CaptionPixelsFor(area));
}

void DrawBlankButton(QPainter& painter, const SupportPicture& picture)
{
    DrawPlate(painter, QRect(0, 0, picture.width, picture.height), BlankPlate);
}

// Page buttons are leather tabs with a stripe down the left, set apart from the console's plates.
void DrawPageButton(QPainter& painter, const SupportPicture& picture, bool lit)
{
    const QRect area(0, 0, picture.width, picture.height);
    DrawPlate(painter, area, lit ? LitLeather : IdleLeather);
    painter.fillRect(QRect(3, 3, 5, area.height() - 6), lit ? Palette::Glow : Palette::Moss);
    if (lit)
        DrawGlow(painter, area);
    DrawCaption(painter, area.adjusted(10, 2, -3, -2), picture.caption,
                lit ? Palette::Lit : Palette::Tan, CaptionPixelsFor(area));
}

void DrawGamePicture(QPainter& painter, const SupportPicture& picture)
{
    const QRect area(0, 0, picture.width, picture.height);
    // Seeded by the game's name, so that the selection window and the console show one scene.
    QRandomGenerator random = RandomFor(picture.caption);
    DrawLandscape(painter, area, random);
    if (picture.name.contains(QLatin1String("BHWWE")))
        DrawFlock(painter, area, random);
    const QRect band = CaptionBand(area, area.height() * 3 / 10);
    painter.fillRect(band, QColor(0, 0, 0, 150));
    DrawCaption(painter, band.adjusted(5, 1, -5, -1), picture.caption, Palette::Gold, 13);
    DrawBevel(painter, area, Palette::Tan, Palette::Bark, 2);
}

void DrawStockPreview(QPainter& painter, const SupportPicture& picture)
{
    const QRect area(0, 0, picture.width, picture.height);
    QRandomGenerator random = RandomFor(picture.name);
    DrawLandscape(painter, area, random);
    const QRect band = CaptionBand(area, std::max(14, area.height() / 6));
    painter.fillRect(band, QColor(0, 0, 0, 140));
    DrawCaption(painter, band.adjusted(4, 0, -4, 0), picture.caption, Palette::Lit,
                band.height() - 3, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap);
    painter.setPen(Palette::Night);
    painter.drawRect(area.adjusted(0, 0, -1, -1));
}

// Where a skin carries its title, its painted close spot and a small scene. Every place lies
// inside the window's outline and clear of its controls.
struct SkinLayout {
    QString name;
    QRect title;
    int titleFlags;
    QRect close;  // only where the window has a hot spot but no close picture
    QRect emblem; // only where the window has room for it
};

constexpr int CornerTitle = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;

const std::array<SkinLayout, 9> SkinLayouts{{
    {"Skin Startup.bmp", {124, 6, 154, 26}, CenteredCaption, {}, {134, 36, 134, 92}},
    {"Skin MapMain.bmp", {30, 34, 200, 22}, CornerTitle, {}, {}},
    {"Skin MapManager.bmp", {30, 40, 240, 20}, CornerTitle, {}, {}},
    {"Skin FindMaps.bmp", {24, 14, 290, 24}, CornerTitle, {337, 16, 18, 18}, {}},
    {"Skin ListMaps.bmp", {24, 14, 290, 24}, CornerTitle, {337, 16, 18, 18}, {}},
    {"Skin Install.bmp", {28, 9, 200, 20}, CornerTitle, {438, 45, 20, 22}, {}},
    {"Skin Help1.bmp", {30, 14, 320, 24}, CornerTitle, {}, {}},
    {"Skin Help2.bmp", {30, 14, 320, 24}, CornerTitle, {}, {}},
    {"Skin Help3.bmp", {30, 14, 320, 24}, CornerTitle, {}, {}},
}};

SkinLayout SkinLayoutFor(const SupportPicture& picture)
{
    const auto found = std::ranges::find(SkinLayouts, picture.name, &SkinLayout::name);
    if (found != SkinLayouts.end())
        return *found;
    return {picture.name, QRect(16, 10, picture.width / 2, 22), CornerTitle, {}, {}};
}

// Camouflage blotches under a fine grain, like weathered canvas.
void DrawTexture(QPainter& painter, const QRect& area, QRandomGenerator& random)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const int blotches = 8 + area.width() * area.height() / 4000;
    for (int i = 0; i < blotches; ++i) {
        QColor colour = i % 2 == 0 ? Palette::Bark : Palette::Moss;
        colour.setAlpha(70);
        painter.setBrush(colour);
        painter.drawEllipse(QPointF(random.bounded(area.width()), random.bounded(area.height())),
                            10 + random.bounded(50), 8 + random.bounded(30));
    }
    painter.restore();
    const int grains = area.width() * area.height() / 30;
    for (int i = 0; i < grains; ++i) {
        painter.setPen(random.bounded(2) == 1 ? QColor(255, 255, 255, 10) : QColor(0, 0, 0, 36));
        const int x = random.bounded(area.width());
        const int y = random.bounded(area.height());
        painter.drawLine(x, y, x + 2 + random.bounded(9), y);
    }
}

// A band of bark, raised at its outer edge and sunk at its inner edge, with a thin gold line.
void DrawFrameBorder(QPainter& painter, const QRect& area)
{
    constexpr int Band = 6;
    const QRect inner = area.adjusted(Band, Band, -Band, -Band);
    painter.fillRect(QRect(area.left(), area.top(), area.width(), Band), Palette::Bark);
    painter.fillRect(QRect(area.left(), inner.bottom() + 1, area.width(), Band), Palette::Bark);
    painter.fillRect(QRect(area.left(), inner.top(), Band, inner.height()), Palette::Bark);
    painter.fillRect(QRect(inner.right() + 1, inner.top(), Band, inner.height()), Palette::Bark);
    DrawBevel(painter, area, Palette::Leather, Palette::Night, 2);
    DrawBevel(painter, inner.adjusted(-2, -2, 2, 2), Palette::Night, Palette::Leather, 1);
    QColor line = Palette::Gold;
    line.setAlpha(110);
    painter.setPen(line);
    painter.drawRect(inner.adjusted(1, 1, -2, -2));
}

void DrawCloseSpot(QPainter& painter, const QRect& area)
{
    DrawPlate(painter, area, IdleLeather);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Palette::Gold, 2));
    const QRectF cross = QRectF(area).adjusted(5, 5, -5, -5);
    painter.drawLine(cross.topLeft(), cross.bottomRight());
    painter.drawLine(cross.topRight(), cross.bottomLeft());
    painter.restore();
}

void DrawSkin(QPainter& painter, const SupportPicture& picture)
{
    const QRect area(0, 0, picture.width, picture.height);
    QRandomGenerator random = RandomFor(picture.name);
    QLinearGradient base(area.topLeft(), area.bottomRight());
    base.setColorAt(0, QColor(0x35, 0x46, 0x26));
    base.setColorAt(1, Palette::Forest);
    painter.fillRect(area, base);
    DrawTexture(painter, area, random);
    DrawFrameBorder(painter, area);

    const SkinLayout layout = SkinLayoutFor(picture);
    if (!layout.emblem.isEmpty()) {
        DrawLandscape(painter, layout.emblem, random);
        DrawBevel(painter, layout.emblem.adjusted(-2, -2, 2, 2), Palette::Night, Palette::Tan, 2);
    }
    DrawCaption(painter, layout.title, picture.caption, Palette::Gold, 16, layout.titleFlags);
    if (!layout.close.isEmpty())
        DrawCloseSpot(painter, layout.close);
}

// Night over a forest: dark, so that the child windows stand out, with a faint glow along the
// horizon behind the tree line and a faint title.
void DrawFrameBackground(QPainter& painter, const SupportPicture& picture)
{
    const QRect area(0, 0, picture.width, picture.height);
    QRandomGenerator random = RandomFor(picture.name);
    const QColor ground(0x06, 0x09, 0x05);
    QLinearGradient night(area.topLeft(), area.bottomLeft());
    night.setColorAt(0, QColor(0x09, 0x0d, 0x08));
    night.setColorAt(0.74, QColor(0x1b, 0x25, 0x16));
    night.setColorAt(0.8, ground);
    painter.fillRect(area, night);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF land(area);
    FillShape(painter, Ridge(land, 0.76, 0.8, 28, random), ground);
    DrawPines(painter, land, 160, 0.77, 0.8, 0.03, ground, random);
    painter.restore();

    QColor faint = Palette::Tan;
    faint.setAlpha(48);
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(CaptionFont(60));
    painter.setPen(faint);
    painter.drawText(QRect(36, 18, area.width() / 2, 90), Qt::AlignLeft | Qt::AlignVCenter,
                     picture.caption);
    painter.restore();
}

// Engraved work: a raised rim around a sunk face, with the caption cut into it.
void DrawPlaque(QPainter& painter, const SupportPicture& picture)
{
    const QRect area(0, 0, picture.width, picture.height);
    const int rim = std::min(area.width(), area.height()) >= 60 ? 5 : 1;
    const QRect face = area.adjusted(rim, rim, -rim, -rim);
    painter.fillRect(area, Palette::Bark);
    QLinearGradient fill(face.topLeft(), face.bottomLeft());
    fill.setColorAt(0, QColor(0x14, 0x1c, 0x10));
    fill.setColorAt(1, QColor(0x25, 0x31, 0x1c));
    painter.fillRect(face, fill);
    if (rim > 1)
        DrawBevel(painter, area, Palette::Leather, Palette::Night, 2);
    DrawBevel(painter, face.adjusted(-1, -1, 1, 1), Palette::Night, Palette::Leather, 1);
    DrawCaption(painter, face.adjusted(2, 1, -2, -1), picture.caption, Palette::Gold,
                std::clamp(area.height() * 3 / 5, 8, 24));
}

} // namespace

QImage DrawProgramIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // A rounded badge: dusk over the hills, a ridge of pines at its foot, the program's Z on it.
    const double inset = std::max(0.5, size * 0.04);
    const QRectF badge(inset, inset, size - 2 * inset, size - 2 * inset);
    QPainterPath outline;
    outline.addRoundedRect(badge, size * 0.18, size * 0.18);
    QLinearGradient sky(badge.topLeft(), badge.bottomLeft());
    sky.setColorAt(0, QColor(0x2e, 0x2a, 0x55));
    sky.setColorAt(0.75, QColor(0xd9, 0x7b, 0x46));
    painter.fillPath(outline, sky);

    painter.save();
    painter.setClipPath(outline);
    if (size >= 32) {
        QRandomGenerator random = RandomFor(QStringLiteral("program icon"));
        FillShape(painter, Ridge(badge, 0.62, 0.74, 5, random), Palette::Forest);
        DrawPines(painter, badge, 9, 0.84, 1.0, 0.12, Palette::Night, random);
    }
    painter.restore();

    QFont font = CaptionFont(std::max(6, int(size * 0.66)));
    painter.setFont(font);
    const QRectF letter = badge.adjusted(0, -size * 0.04, 0, -size * 0.04);
    const double shadow = std::max(1.0, size / 48.0);
    painter.setPen(QColor(0, 0, 0, 200));
    painter.drawText(letter.translated(shadow, shadow), Qt::AlignCenter, QStringLiteral("Z"));
    painter.setPen(Palette::Gold);
    painter.drawText(letter, Qt::AlignCenter, QStringLiteral("Z"));

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Palette::Leather, std::max(1.0, size / 32.0)));
    painter.drawPath(outline);
    painter.end();
    return image;
}

QImage DrawSupportPicture(const SupportPicture& picture)
{
    QImage image(picture.width, picture.height, QImage::Format_RGB32);
    image.fill(Palette::Night);
    QPainter painter(&image);
    switch (picture.kind) {
    case Kind::ButtonOff:
        DrawButton(painter, picture, false);
        break;
    case Kind::ButtonOn:
        DrawButton(painter, picture, true);
        break;
    case Kind::BlankButton:
        DrawBlankButton(painter, picture);
        break;
    case Kind::GamePicture:
        DrawGamePicture(painter, picture);
        break;
    case Kind::WindowSkin:
        DrawSkin(painter, picture);
        break;
    case Kind::FrameBackground:
        DrawFrameBackground(painter, picture);
        break;
    case Kind::StockPreview:
        DrawStockPreview(painter, picture);
        break;
    case Kind::PageButtonOff:
        DrawPageButton(painter, picture, false);
        break;
    case Kind::PageButtonOn:
        DrawPageButton(painter, picture, true);
        break;
    case Kind::Other:
        DrawPlaque(painter, picture);
        break;
    }
    painter.end();
    return image;
}

} // namespace zv
