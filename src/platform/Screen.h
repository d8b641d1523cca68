#pragma once

#include <QSize>

namespace zv {

// The screen the program sees: its size in pixels and its dots per inch.
class Screen {
public:
    virtual ~Screen() = default;
    virtual QSize pixelSize() const = 0;
    virtual double dotsPerInchX() const = 0;
    virtual double dotsPerInchY() const = 0;

    double twipsPerPixelX() const { return 1440.0 / dotsPerInchX(); }
    double twipsPerPixelY() const { return 1440.0 / dotsPerInchY(); }
    double widthTwips() const { return pixelSize().width() * twipsPerPixelX(); }
    double heightTwips() const { return pixelSize().height() * twipsPerPixelY(); }
};

// A screen of fixed size, for tests and for the scenario runner.
class FixedScreen final : public Screen {
public:
    FixedScreen(QSize pixels = {1024, 768}, double dpi = 96) : m_pixels(pixels), m_dpi(dpi) {}
    QSize pixelSize() const override { return m_pixels; }
    double dotsPerInchX() const override { return m_dpi; }
    double dotsPerInchY() const override { return m_dpi; }

private:
    QSize m_pixels;
    double m_dpi;
};

} // namespace zv
