#include "SkinnedWindow.h"

#include "frame/OutlineTables.h"
#include "platform/Failure.h"
#include "platform/Screen.h"
#include "platform/SupportImages.h"

#include <QPainter>
#include <cmath>

namespace zv {

namespace {

// The skin picture each skinned window paints.
QString SkinPictureOf(const QString& window)
{
    static const std::pair<const char*, const char*> kSkins[] = {
        {"MapMain", "Skin MapMain.bmp"},       {"Startup", "Skin Startup.bmp"},
        {"MapManager", "Skin MapManager.bmp"}, {"FindMaps", "Skin FindMaps.bmp"},
        {"ListMaps", "Skin ListMaps.bmp"},     {"Install", "Skin Install.bmp"},
        {"Help1", "Skin Help1.bmp"},           {"Help2", "Skin Help2.bmp"},
        {"Help3", "Skin Help3.bmp"},
    };
    for (const auto& [name, skin] : kSkins) {
        if (window == QLatin1String(name))
            return QString::fromLatin1(skin);
    }
    return QString();
}

} // namespace

DesignScale::DesignScale(const Screen& screen)
    : m_fx(TwipsPerDesignPixel / screen.twipsPerPixelX()),
      m_fy(TwipsPerDesignPixel / screen.twipsPerPixelY())
{
}

int DesignScale::x(int design) const
{
    return RoundHalfEven(design * m_fx);
}

int DesignScale::y(int design) const
{
    return RoundHalfEven(design * m_fy);
}

QRect DesignScale::rect(int left, int top, int width, int height) const
{
    return QRect(x(left), y(top), x(width), y(height));
}

QSize DesignScale::size(int width, int height) const
{
    return QSize(x(width), y(height));
}

SkinnedWindow::SkinnedWindow(const QString& name, QWidget* clientArea, const SupportImages& images,
                             const Screen& screen)
    : QWidget(clientArea), m_images(images), m_screen(screen), m_scale(screen)
{
    setObjectName(name);
    const ShapedWindowInfo* info = FindShapedWindow(name);
    Q_ASSERT(info);
    setFixedSize(m_scale.size(info->clientArea.width(), info->clientArea.height()));
    try {
        m_skin = images.load(SkinPictureOf(name));
    } catch (const Failure&) {
        // Without its skin the window shows its background colour.
    }
    m_dragger = std::make_unique<WindowDragger>(*this, info->drag, screen);
}

SkinnedWindow::~SkinnedWindow() = default;

void SkinnedWindow::applyShape()
{
    ApplyWindowShape(*this, m_shape, FindShapedWindow(objectName())->outline, m_screen);
}

void SkinnedWindow::releaseShape()
{
    ReleaseWindowShape(*this, m_shape);
}

QPointF SkinnedWindow::positionTwips() const
{
    return QPointF(x() * m_screen.twipsPerPixelX(), y() * m_screen.twipsPerPixelY());
}

QSizeF SkinnedWindow::sizeTwips() const
{
    return QSizeF(width() * m_screen.twipsPerPixelX(), height() * m_screen.twipsPerPixelY());
}

void SkinnedWindow::moveToTwips(QPointF leftTop)
{
    move(static_cast<int>(std::lround(leftTop.x() / m_screen.twipsPerPixelX())),
         static_cast<int>(std::lround(leftTop.y() / m_screen.twipsPerPixelY())));
}

void SkinnedWindow::centreOnTwips(QSizeF frameOuterSize)
{
    const QSizeF own = sizeTwips();
    moveToTwips(QPointF((frameOuterSize.width() - own.width()) / 2,
                        (frameOuterSize.height() - own.height()) / 2));
}

void SkinnedWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.drawPixmap(0, 0, m_skin);
}

void SkinnedWindow::place(QWidget* control, int left, int top, int width, int height) const
{
    control->setGeometry(m_scale.rect(left, top, width, height));
}

} // namespace zv
