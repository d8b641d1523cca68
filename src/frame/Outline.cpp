#include "frame/Outline.h"

#include <algorithm>
#include <cmath>

namespace zv {

OutlineShape Polygon(std::initializer_list<quint16> xs, std::initializer_list<quint16> ys,
                     CombineMode mode)
{
    Q_ASSERT_X(xs.size() == ys.size(), "Polygon", "x and y lines differ in length");
    OutlinePolygon polygon;
    const auto count = std::min(xs.size(), ys.size());
    polygon.points.reserve(count);
    auto y = ys.begin();
    for (auto x = xs.begin(); polygon.points.size() < count; ++x, ++y)
        polygon.points.push_back({*x, *y});
    return {std::move(polygon), mode};
}

OutlineShape Rectangle(quint16 left, quint16 top, quint16 right, quint16 bottom, CombineMode mode)
{
    return {OutlineRect{left, top, right, bottom}, mode};
}

int RoundHalfEven(double value)
{
    const double below = std::floor(value);
    const double fraction = value - below;
    double rounded = below + 1.0;
    if (fraction < 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) == 0.0))
        rounded = below;
    return static_cast<int>(rounded);
}

OutlineScale::OutlineScale(float horizontalFactor, float verticalFactor, qint16 horizontalOffset,
                           qint16 verticalOffset, double twipsPerPixelX, double twipsPerPixelY)
    : m_horizontalFactor(horizontalFactor), m_verticalFactor(verticalFactor),
      m_horizontalOffset(horizontalOffset), m_verticalOffset(verticalOffset),
      m_twipsPerPixelX(twipsPerPixelX), m_twipsPerPixelY(twipsPerPixelY)
{
}

// The operations run in this fixed order so that a value meant to fall exactly on a half does,
// and the even rounding picks the same pixel on every build.
int OutlineScale::toDeviceX(quint16 designX) const
{
    return RoundHalfEven(designX * double(m_horizontalFactor) * TwipsPerDesignPixel /
                             m_twipsPerPixelX +
                         m_horizontalOffset);
}

int OutlineScale::toDeviceY(quint16 designY) const
{
    return RoundHalfEven(designY * double(m_verticalFactor) * TwipsPerDesignPixel /
                             m_twipsPerPixelY +
                         m_verticalOffset);
}

QPoint OutlineScale::toDevice(DesignPoint point) const
{
    return {toDeviceX(point.x), toDeviceY(point.y)};
}

QPolygon OutlineScale::toDevice(const OutlinePolygon& polygon) const
{
    QPolygon device;
    device.reserve(qsizetype(polygon.points.size()));
    for (const DesignPoint& point : polygon.points)
        device.append(toDevice(point));
    return device;
}

QRect OutlineScale::toDevice(const OutlineRect& rect) const
{
    const int left = toDeviceX(rect.left);
    const int top = toDeviceY(rect.top);
    return QRect(left, top, toDeviceX(rect.right) - left, toDeviceY(rect.bottom) - top);
}

QRegion ShapeRegion(const OutlineShape& shape, const OutlineScale& scale)
{
    if (const auto* polygon = std::get_if<OutlinePolygon>(&shape.geometry))
        return QRegion(scale.toDevice(*polygon), Qt::OddEvenFill);
    return QRegion(scale.toDevice(std::get<OutlineRect>(shape.geometry)));
}

QRegion BuildOutline(const OutlineSpec& description, float horizontalFactor, float verticalFactor,
                     qint16 horizontalOffset, qint16 verticalOffset, double twipsPerPixelX,
                     double twipsPerPixelY)
{
    if (description.shapes.empty())
        return {};
    const OutlineScale scale(horizontalFactor, verticalFactor, horizontalOffset, verticalOffset,
                             twipsPerPixelX, twipsPerPixelY);
    QRegion outline = ShapeRegion(description.shapes.front(), scale);
    for (auto shape = description.shapes.begin() + 1; shape != description.shapes.end(); ++shape) {
        const QRegion part = ShapeRegion(*shape, scale);
        outline = shape->mode == CombineMode::Union ? outline.united(part)
                                                    : outline.subtracted(part);
    }
    return outline;
}

} // namespace zv
