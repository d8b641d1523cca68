#include "ImageButton.h"

#include "platform/SupportImages.h"

#include <QMouseEvent>

namespace zv {

ImageButton::ImageButton(const SupportImages& images, const QString& name, QWidget* parent)
    : QLabel(parent), m_images(images)
{
    setObjectName(name);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void ImageButton::setPicture(const QString& name)
{
    setPixmap(m_images.load(name));
    m_pictureName = name;
}

void ImageButton::clearPicture()
{
    setPixmap(QPixmap());
    m_pictureName.clear();
}

void ImageButton::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
    emit mouseDown(event->button());
}

void ImageButton::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit clicked();
}

} // namespace zv
