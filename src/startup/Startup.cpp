#include "Startup.h"

#include "frame/MDIForm1.h"
#include "platform/Failure.h"
#include "widgets/ImageButton.h"
#include "platform/Screen.h"

#include <QFrame>
#include <QLabel>
#include <QProgressBar>

#include <algorithm>
#include <cmath>

namespace zv {

Startup::Startup(const WindowContext& context)
    : SkinnedWindow(QStringLiteral("Startup"), context.forms.mainFrame().clientArea(), context.images,
                    context.screen),
      m_state(context.state), m_services(context.services), m_messages(context.messages),
      m_frame(context.forms.mainFrame()),
      Shape1(Named(new QFrame(this), QStringLiteral("Shape1"))),
      Label1(Named(new QLabel(QStringLiteral("Please select a game:"), this), QStringLiteral("Label1"))),
      ProgressBar1(Named(new QProgressBar(this), QStringLiteral("ProgressBar1"))),
      Image1(new ImageButton(context.images, QStringLiteral("Image1"), this)),
      Image2(new ImageButton(context.images, QStringLiteral("Image2"), this))
{
    place(Shape1, 123, 136, 161, 31);
    place(Label1, 18, 165, 370, 19);
    place(ProgressBar1, 61, 190, 282, 12);
    place(Image1, 40, 210, 160, 120);
    place(Image2, 204, 210, 160, 120);

    Shape1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Shape1->setLineWidth(1);
    Shape1->setAttribute(Qt::WA_TransparentForMouseEvents);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setStyleSheet(QStringLiteral("color: #f0e6c8; font-weight: bold;"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setTextVisible(false);
    Image1->setToolTip(QStringLiteral("Bird Hunter Wild Wings Edition"));
    Image2->setToolTip(QStringLiteral("Rocky Mountain Trophy Hunter 3"));
    // The game pictures belong to the window; a missing one leaves a hot spot.
    for (auto [button, picture] : {std::pair{Image1, QStringLiteral("Startup BHWWE.bmp")},
                                   std::pair{Image2, QStringLiteral("Startup RMTH3.bmp")}}) {
        try {
            button->setPicture(picture);
        } catch (const Failure&) {
        }
    }
    connect(Image1, &ImageButton::clicked, this, &Startup::Image1_Click);
    connect(Image2, &ImageButton::clicked, this, &Startup::Image2_Click);
}

void Startup::Load()
{
    applyShape();
    m_frame.setMenuEnabled(QStringLiteral("Internet"), false);
}

void Startup::Unload()
{
    releaseShape();
}

void Startup::placeOnScreen()
{
    const double top = screen().heightTwips() / 2 - sizeTwips().height() * 0.66;
    const double left = screen().widthTwips() / 2 - sizeTwips().width() * 0.5;
    moveToTwips(QPointF(left, top));
}

void Startup::showChoice()
{
    ProgressBar1->setValue(0);
    Label1->setVisible(true);
    Shape1->setVisible(true);
    ProgressBar1->setVisible(false);
}

void Startup::Image1_Click()
{
    chooseGame(kBhwwe);
}

void Startup::Image2_Click()
{
    chooseGame(kRmth3);
}

void Startup::chooseGame(const QString& game)
{
    Shape1->setVisible(false);
    m_state.CurrentGame = game;
    RunStartupSequence(m_state, m_services, m_messages, *this, m_handovers);
}

void Startup::setCaption(const QString& caption)
{
    Label1->setText(caption);
}

void Startup::advanceProgress(int step)
{
    setProgress(ProgressBar1->value() + step);
}

void Startup::setProgress(int value)
{
    ProgressBar1->setValue(std::clamp(value, 0, 100));
}

void Startup::setProgressVisible(bool visible)
{
    ProgressBar1->setVisible(visible);
}

void Startup::setShapeVisible(bool visible)
{
    Shape1->setVisible(visible);
}

} // namespace zv
