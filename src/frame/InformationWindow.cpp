#include "InformationWindow.h"

#include "frame/Addresses.h"
#include "frame/InformationTexts.h"
#include "frame/MDIForm1.h"
#include "platform/AddressOpener.h"
#include "platform/Failure.h"
#include "widgets/ImageButton.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>

#include <exception>

namespace zv {

namespace {

enum class Look {
    Title, // bold Arial 9 pt, green
    Body,  // Arial 9 pt, grey, wrapped
    Name,  // bold Arial 11.25 pt, grey
};

struct LabelRow {
    const char* window;
    const char* name;
    int left, top, width, height;
    Look look;
    QString (*text)();
};

// Every label of the three windows, at its design place in pixels.
const LabelRow kLabels[] = {
    {"Help1", "Label5", 281, 81, 112, 21, Look::Title, &InformationText::WhatTitle},
    {"Help1", "Label1", 53, 117, 550, 59, Look::Body, &InformationText::WhatOrigin},
    {"Help1", "Label2", 53, 179, 550, 107, Look::Body, &InformationText::WhatFirstVersion},
    {"Help1", "Label3", 53, 304, 550, 73, Look::Body, &InformationText::WhatSecondVersion},
    {"Help1", "Label4", 53, 386, 550, 41, Look::Body, &InformationText::WhatMore},

    {"Help2", "Label5", 282, 81, 103, 21, Look::Title, &InformationText::AboutTitle},
    {"Help2", "Label4", 284, 145, 93, 19, Look::Name, &InformationText::AboutName},
    {"Help2", "Label6", 269, 173, 123, 19, Look::Body, &InformationText::AboutReleased},
    {"Help2", "Label1", 51, 237, 550, 37, Look::Body, &InformationText::AboutHistory},
    {"Help2", "Label2", 51, 281, 550, 39, Look::Body, &InformationText::AboutThanks},
    {"Help2", "Label3", 52, 330, 445, 36, Look::Body, &InformationText::AboutCredits},

    {"Help3", "Label5", 217, 82, 222, 21, Look::Title, &InformationText::TermsTitle},
};

// Where each window has its close button, and which other information windows its opening
// closes, in order.
struct WindowRow {
    const char* window;
    int closeLeft, closeTop;
    const char* others[2];
};

const WindowRow kWindows[] = {
    {"Help1", 530, 435, {"Help3", "Help2"}},
    {"Help2", 519, 334, {"Help1", "Help3"}},
    {"Help3", 529, 77, {"Help1", "Help2"}},
};

// The working windows every information window closes first, in order.
const char* const kWorkingWindows[] = {"MapMain", "MapManager", "FindMaps", "Grabber"};

const WindowRow& RowOf(const QString& window)
{
    for (const WindowRow& row : kWindows) {
        if (window == QLatin1String(row.window))
            return row;
    }
    Q_ASSERT_X(false, "InformationWindow", "not an information window");
    return kWindows[0];
}

QString StyleOf(Look look)
{
    switch (look) {
    case Look::Title:
        return QStringLiteral("color: #008000; background: transparent;");
    case Look::Body:
    case Look::Name:
        return QStringLiteral("color: #9F9F9F; background: transparent;");
    }
    return QString();
}

QFont FontOf(Look look)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(look == Look::Name ? 11.25 : 9);
    font.setBold(look != Look::Body);
    return font;
}

} // namespace

InformationWindow::InformationWindow(const QString& name, const WindowContext& context)
    : SkinnedWindow(name, context.forms.mainFrame().clientArea(), context.images, context.screen),
      m_addresses(context.addresses), m_forms(context.forms),
      Image1(new ImageButton(context.images, QStringLiteral("Image1"), this))
{
    for (const LabelRow& row : kLabels) {
        if (name != QLatin1String(row.window))
            continue;
        auto* label = new QLabel(row.text(), this);
        label->setObjectName(QLatin1String(row.name));
        label->setFont(FontOf(row.look));
        label->setStyleSheet(StyleOf(row.look));
        label->setWordWrap(row.look == Look::Body);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        place(label, row.left, row.top, row.width, row.height);
    }

    const WindowRow& window = RowOf(name);
    place(Image1, window.closeLeft, window.closeTop, 68, 30);
    Image1->setToolTip(QStringLiteral("Close"));
    connect(Image1, &ImageButton::clicked, this, &InformationWindow::Image1_Click);

    if (name == QLatin1String("Help2")) {
        Image2 = new ImageButton(context.images, QStringLiteral("Image2"), this);
        place(Image2, 43, 395, 566, 64);
        Image2->setCursor(Qt::PointingHandCursor);
        Image2->setToolTip(ProgramSitePage());
        connect(Image2, &ImageButton::clicked, this, &InformationWindow::Image2_Click);
    }
    if (name == QLatin1String("Help3")) {
        Text1 = new QPlainTextEdit(this);
        Text1->setObjectName(QStringLiteral("Text1"));
        Text1->setReadOnly(true);
        Text1->setFont(FontOf(Look::Body));
        Text1->setStyleSheet(
            QStringLiteral("QPlainTextEdit { color: #9F9F9F; background: #292A2C; }"));
        Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        place(Text1, 49, 118, 553, 344);
    }

    // The pictures are artwork of the window; a missing one leaves a hot spot.
    const std::pair<ImageButton*, QString> pictures[] = {
        {Image1, QStringLiteral("HelpClose.bmp")},
        {Image2, QStringLiteral("AboutBanner.bmp")},
    };
    for (const auto& [button, picture] : pictures) {
        try {
            if (button)
                button->setPicture(picture);
        } catch (const Failure&) {
        }
    }
}

void InformationWindow::Load()
{
    applyShape();
    closeOtherWindows();
    try {
        centreOnTwips(m_forms.mainFrame().outerSizeTwips());
        if (Text1)
            Text1->setPlainText(InformationText::TermsText());
    } catch (const std::exception&) {
        // Whatever was done stays.
    }
}

void InformationWindow::Unload()
{
    releaseShape();
}

// The found-files list, the installer and the game selection window stay as they are.
void InformationWindow::closeOtherWindows()
{
    QStringList names;
    for (const char* name : kWorkingWindows)
        names.append(QLatin1String(name));
    for (const char* name : RowOf(objectName()).others)
        names.append(QLatin1String(name));
    for (const QString& name : names) {
        try {
            m_forms.unload(name);
        } catch (const std::exception&) {
            // A window that cannot be closed is left as it is.
        }
    }
}

// Back to the console; before a game has been chosen there is none to go back to, and the
// game selection window, still open behind, takes over again.
void InformationWindow::Image1_Click()
{
    if (QWidget* selection = m_forms.loaded(QStringLiteral("Startup"))) {
        selection->show();
        selection->raise();
    } else if (QWidget* console = m_forms.load(QStringLiteral("MapMain"))) {
        console->show();
        console->raise();
    }
    m_forms.unload(objectName());
}

void InformationWindow::Image2_Click()
{
    try {
        m_addresses.open(ProgramSitePage());
    } catch (const std::exception&) {
    }
}

} // namespace zv
