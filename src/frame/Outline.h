#pragma once

#include <QPolygon>
#include <QRect>
#include <QRegion>
#include <QtGlobal>

#include <initializer_list>
#include <variant>
#include <vector>

namespace zv {

// Outline tables are drawn in design pixels: 15 twips each, so on a 96 DPI display a design
// pixel is a device pixel.
inline constexpr double TwipsPerDesignPixel = 15.0;

// How a shape joins the outline built from the shapes before it.
enum class CombineMode { Union, Difference };

struct DesignPoint {
    quint16 x = 0;
    quint16 y = 0;
    friend bool operator==(const DesignPoint&, const DesignPoint&) = default;
};

// Closed from the last point back to the first; filled with the even-odd rule.
struct OutlinePolygon {
    std::vector<DesignPoint> points;
};

// Covers left <= x < right and top <= y < bottom.
struct OutlineRect {
    quint16 left = 0;
    quint16 top = 0;
    quint16 right = 0;
    quint16 bottom = 0;
};

struct OutlineShape {
    std::variant<OutlinePolygon, OutlineRect> geometry;
    // Not used for the first shape of an outline: that shape starts the outline.
    CombineMode mode = CombineMode::Union;
};

// A window's outline description: shapes in the order they are combined.
struct OutlineSpec {
    std::vector<OutlineShape> shapes;
};

// Builds a polygon shape from an x line and a y line of equal length, the n-th x going with
// the n-th y, so the tables in code read like the artist's drawings.
OutlineShape Polygon(std::initializer_list<quint16> xs, std::initializer_list<quint16> ys,
                     CombineMode mode = CombineMode::Union);
OutlineShape Rectangle(quint16 left, quint16 top, quint16 right, quint16 bottom,
                       CombineMode mode = CombineMode::Union);

// Rounds to the nearest integer, halves to the even neighbour, whatever the floating-point
// environment's rounding mode is.
int RoundHalfEven(double value);

// Turns design coordinates into device pixels for one display and one scaling.
class OutlineScale {
public:
    OutlineScale(float horizontalFactor, float verticalFactor, qint16 horizontalOffset,
                 qint16 verticalOffset, double twipsPerPixelX, double twipsPerPixelY);

    int toDeviceX(quint16 designX) const;
    int toDeviceY(quint16 designY) const;
    QPoint toDevice(DesignPoint point) const;
    QPolygon toDevice(const OutlinePolygon& polygon) const;
    // The device rectangle covering the converted [left, right) x [top, bottom).
    QRect toDevice(const OutlineRect& rect) const;

private:
    float m_horizontalFactor;
    float m_verticalFactor;
    qint16 m_horizontalOffset;
    qint16 m_verticalOffset;
    double m_twipsPerPixelX;
    double m_twipsPerPixelY;
};

// The region of one shape on its own, in device pixels.
QRegion ShapeRegion(const OutlineShape& shape, const OutlineScale& scale);

// The outline as a device-pixel region: the first shape, then each further shape united with
// or cut out of it in order. Windows pass factors 1, 1 and offsets 0, 0.
QRegion BuildOutline(const OutlineSpec& description, float horizontalFactor, float verticalFactor,
                     qint16 horizontalOffset, qint16 verticalOffset, double twipsPerPixelX,
                     double twipsPerPixelY);

} // namespace zv
