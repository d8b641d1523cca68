#include "FindMaps.h"

#include "FinderLook.h"
#include "ListMaps.h"

#include "frame/MDIForm1.h"
#include "platform/Failure.h"
#include "widgets/ImageButton.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace zv {

namespace {

// Where the finder first appears in the frame's client area, in design pixels.
constexpr int kFirstLeft = 331;
constexpr int kFirstTop = 294;

bool IsEnter(const QEvent& event)
{
    if (event.type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent&>(event).key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

FindMaps::FindMaps(const WindowContext& context)
    : SkinnedWindow(QStringLiteral("FindMaps"), context.forms.mainFrame().clientArea(), context.images,
                    context.screen),
      m_state(context.state), m_services(context.services), m_messages(context.messages),
      m_forms(context.forms), Label1(Named(new QLabel(this), QStringLiteral("Label1"))),
      Text1(Named(new QLineEdit(this), QStringLiteral("Text1"))),
      Image2(new ImageButton(context.images, QStringLiteral("Image2"), this)),
      Image1(new ImageButton(context.images, QStringLiteral("Image1"), this))
{
    place(Label1, 36, 56, 302, 61);
    place(Text1, 35, 122, 259, 23);
    place(Image2, 300, 122, 44, 24);
    place(Image1, 337, 16, 18, 18);
    move(scale().x(kFirstLeft), scale().y(kFirstTop));

    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    UseFinderLook(*Label1);
    UseFinderLook(*Text1);
    Text1->setFrame(false);
    Image1->setToolTip(QStringLiteral("Close the Find Map tool"));

    Text1->installEventFilter(this);
    connect(Image2, &ImageButton::clicked, this, &FindMaps::Image2_Click);
    connect(Image1, &ImageButton::clicked, this, &FindMaps::Image1_Click);
}

FindMaps::~FindMaps() = default;

void FindMaps::Load()
{
    applyShape();
    Label1->setText(kFinderInstruction);
    try {
        setGoPicture(kGoPicture);
    } catch (const Failure&) {
        // Without its picture the Go button is still there to click.
    }
    if (QWidget* list = m_forms.load(QStringLiteral("ListMaps")))
        SetMinimized(*list, true);
}

void FindMaps::Unload()
{
    releaseShape();
}

bool FindMaps::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Text1 && IsEnter(*event)) {
        Form_KeyPress();
        return true;
    }
    return SkinnedWindow::eventFilter(watched, event);
}

void FindMaps::keyPressEvent(QKeyEvent* event)
{
    if (IsEnter(*event))
        Form_KeyPress();
    else
        SkinnedWindow::keyPressEvent(event);
}

void FindMaps::showEvent(QShowEvent* event)
{
    SkinnedWindow::showEvent(event);
    Text1->setFocus(Qt::OtherFocusReason);
}

void FindMaps::Form_KeyPress()
{
    if (m_searching)
        return;
    const QString name = SearchNameOf(Text1->text());
    if (!name.isEmpty())
        search(name);
}

void FindMaps::Image2_Click()
{
    if (m_searching)
        return;
    // A find left waiting by an earlier opening of the finder (closed with its close
    // button) is the manager's to take; here Go searches for what the user typed.
    if (m_state.FoundMapPending && m_foundHere) {
        ShowFoundFiles();
        m_state.FoundMapPending = false;
        closeFinder();
        return;
    }
    search(SearchNameOf(Text1->text()));
}

void FindMaps::Image1_Click()
{
    if (m_searching)
        return;
    ShowFoundFiles();
    closeFinder();
}

void FindMaps::search(const QString& name)
{
    m_searching = true;
    if (RunMapSearch(m_state, m_services, m_messages, *this, name))
        m_foundHere = true;
    m_searching = false;
}

void FindMaps::ShowFoundFiles()
{
    showManager();
    auto* list = m_forms.loadAs<ListMaps>(QStringLiteral("ListMaps"));
    if (!list)
        return;
    SetMinimized(*list, false);
    list->appendFoundPath(m_state.FoundMapPath);
    list->placeBesideManager();
    list->show();
    list->raise();
    if (Text1->text().isEmpty())
        SetMinimized(*list, true);
}

void FindMaps::closeFinder()
{
    m_forms.unload(QStringLiteral("FindMaps"));
}

void FindMaps::setGoPicture(const QString& name)
{
    Image2->setPicture(name);
}

void FindMaps::setMessage(const QString& text)
{
    Label1->setText(text);
}

void FindMaps::leaveAfterFailure()
{
    showManager();
    closeFinder();
}

// The manager was only hidden while the finder was open.
void FindMaps::showManager()
{
    if (QWidget* manager = m_forms.load(QStringLiteral("MapManager"))) {
        manager->show();
        manager->raise();
    }
}

} // namespace zv
