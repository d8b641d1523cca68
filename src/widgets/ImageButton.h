#pragma once

#include <QLabel>

namespace zv {

class SupportImages;

// A picture used as a button: it shows a Support picture (or none, as an
// invisible hot spot), reports the press of any mouse button at once and a
// left click on release, and, when disabled, reacts to nothing.
class ImageButton : public QLabel {
    Q_OBJECT
public:
    ImageButton(const SupportImages& images, const QString& name, QWidget* parent);

    // Shows the picture of that name; throws Failure when it cannot be loaded.
    void setPicture(const QString& name);
    void clearPicture();
    // The name of the picture shown; empty for none.
    const QString& pictureName() const { return m_pictureName; }

signals:
    void mouseDown(Qt::MouseButton button);
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const SupportImages& m_images;
    QString m_pictureName;
    bool m_pressed = false;
};

} // namespace zv
