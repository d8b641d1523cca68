#include "MapMain.h"

#include "core/ConsoleRules.h"
#include "core/FailureTexts.h"
#include "core/MapFolders.h"
#include "core/MapMove.h"
#include "frame/MDIForm1.h"
#include "platform/Failure.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "platform/Pointer.h"
#include "platform/Screen.h"
#include "platform/SupportImages.h"
#include "widgets/FileLists.h"
#include "widgets/ImageButton.h"
#include "widgets/MapLists.h"

#include <QFocusEvent>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextDocument>

#include <cmath>

namespace zv {

// The rectangle behind the notes panel. Its style value is the panel's state:
// 1, the closed look, draws nothing, so the skin shows through; 0, the open
// look, is a filled backdrop with a thin border.
class NotesBackdrop final : public QWidget {
public:
    static constexpr int kOpen = 0;
    static constexpr int kClosed = 1;

    explicit NotesBackdrop(QWidget* parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("Shape1"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setStyleValue(kClosed);
    }

    int styleValue() const { return m_style; }
    void setStyleValue(int style)
    {
        m_style = style;
        setProperty("value", style);
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (m_style != kOpen)
            return;
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0x2b, 0x24, 0x1a));
        painter.setPen(QColor(0xc8, 0xb4, 0x82));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }

private:
    int m_style = kClosed;
};

namespace {

// clang-format off
// The console's controls at design, in pixels from the window's top-left corner (client area
// 641 x 562). ImageMap is sized and placed again for the game when the console loads.
constexpr struct {
    const char* control;
    int left, top, width, height;
} kLayout[] = {
    // control        left  top  width height
    {"File1",           59,  86,  170,  152},
    {"File2",          425,  86,  170,  152},
    {"Image7",         247,  58,  160,  120},
    {"Image8",         290, 183,  121,   35},
    {"Image10",        245, 188,   39,   19},
    {"Image9",         245, 220,  121,   35},
    {"Image11",        369, 224,   39,   19},
    {"ImageMap",       248, 251,  158,  126},
    {"Image6",         495, 307,  121,   35},
    {"DropNotepad",     38, 307,  121,   35},
    {"Shape1",         128, 373,  409,  189},
    {"Text1",          238, 416,  216,  112},
    {"Image3",         190, 422,   27,   25},
    {"Image5",         190, 460,   27,   25},
    {"Image1",          46,  71,  198,  181},
    {"Image2",         411,  71,  198,  181},
    {"Image4",         178, 255,  297,   94},
    {"Image12",         65, 260,   92,   21},
    {"Image13",        495, 262,   95,   19},
};

// The pictures the window keeps with itself: the fixed decoration, the companions of the move
// buttons and the notes panel's buttons in their closed look.
constexpr struct {
    const char* control;
    const char* picture;
} kDesignPictures[] = {
    // control        picture
    {"Image1",        "MapListFrame.bmp"},
    {"Image2",        "MapListFrame.bmp"},
    {"Image4",        "PreviewFrame.bmp"},
    {"Image12",       "GameMapsLabel.bmp"},
    {"Image13",       "StoredMapsLabel.bmp"},
    {"Image10",       "InstallArrow.bmp"},
    {"Image11",       "StoreArrow.bmp"},
    {"Image3",        "NotesSave.bmp"},
    {"Image5",        "NotesClear.bmp"},
    {"DropNotepad",   "NotesOff.bmp"},
};
// clang-format on

const QString kManagerIdle = QStringLiteral("MapManagerOff.bmp");
const QString kManagerPressed = QStringLiteral("MapManagerOn.bmp");
const QString kNotesOpen = QStringLiteral("NotesOn.bmp");
const QString kNotesClosed = QStringLiteral("NotesOff.bmp");

const QString kNoGameMessage = QStringLiteral(
    "Both BHWWE and RMTH3 have either not been installed on this computer or are unaccessable by "
    "Zorvane.  Install one or both of the games and run Zorvane again. ");
const QString kSelectMapMessage = QStringLiteral("Select a map for these notes.");
const QString kNoteSavedText =
    QStringLiteral("Notes have been saved.  Click on the map's name to view your notes.");

// A picture that is not a bitmap the platform can read.
constexpr int kInvalidPicture = 481;

// A picture with no behaviour: presses go through it to the window's body.
QLabel* Picture(QWidget* parent, const QString& name)
{
    auto* label = Named(new QLabel(parent), name);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

// Shows a Support picture where a handler has no failure path of its own; a
// missing picture leaves the control as it was.
void ShowPictureIfPossible(ImageButton& button, const QString& picture)
{
    try {
        button.setPicture(picture);
    } catch (const Failure&) {
    }
}

// Whether a focus change is the user giving the list the keyboard focus, as
// opposed to the whole frame becoming active again (after a message box).
bool UserGaveFocus(const QFocusEvent& event)
{
    switch (event.reason()) {
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason:
        return false;
    default:
        return true;
    }
}

// The notes file keeps line breaks as CR LF; the text box as paragraphs.
QString NoteFromBox(const QPlainTextEdit& box)
{
    QString text = box.document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    text.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
    return text;
}

QString NoteForBox(QString note)
{
    return note.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

MapMain::MapMain(const WindowContext& context)
    : SkinnedWindow(QStringLiteral("MapMain"), context.forms.mainFrame().clientArea(),
                    context.images, context.screen),
      m_state(context.state), m_services(context.services), m_messages(context.messages),
      m_forms(context.forms), m_frame(context.forms.mainFrame()),
      // Made in this order so that each lies above the ones before it.
      Image1(Picture(this, QStringLiteral("Image1"))),
      Image2(Picture(this, QStringLiteral("Image2"))),
      Image4(Picture(this, QStringLiteral("Image4"))),
      Image12(Picture(this, QStringLiteral("Image12"))),
      Image13(Picture(this, QStringLiteral("Image13"))),
      Shape1(new NotesBackdrop(this)),
      File1(new FileListBox(context.services.files, QStringLiteral("File1"), this)),
      File2(new FileListBox(context.services.files, QStringLiteral("File2"), this)),
      Image7(new ImageButton(context.images, QStringLiteral("Image7"), this)),
      Image10(Picture(this, QStringLiteral("Image10"))),
      Image11(Picture(this, QStringLiteral("Image11"))),
      Image8(new ImageButton(context.images, QStringLiteral("Image8"), this)),
      Image9(new ImageButton(context.images, QStringLiteral("Image9"), this)),
      ImageMap(Picture(this, QStringLiteral("ImageMap"))),
      Image6(new ImageButton(context.images, QStringLiteral("Image6"), this)),
      DropNotepad(new ImageButton(context.images, QStringLiteral("DropNotepad"), this)),
      Text1(Named(new QPlainTextEdit(this), QStringLiteral("Text1"))),
      Image3(new ImageButton(context.images, QStringLiteral("Image3"), this)),
      Image5(new ImageButton(context.images, QStringLiteral("Image5"), this)),
      // clang-format off
      //            list   selected map                       button  companion
      //            looks: idle                lit                running
      //            focus clears the note, nothing selected shows the button
      m_gameSide{File1, &ProgramState::SelectedGameMap,   Image9, Image11,
                 {"StoreMapOff.bmp", "StoreMapOn.bmp", "StoreMapOff.bmp"},
                 false, false},
      m_storedSide{File2, &ProgramState::SelectedStoredMap, Image8, Image10,
                   {"InstallOff.bmp",  "InstallOn.bmp",  "InstallOn.bmp"},
                   true, true}
// clang-format on
{
    for (const auto& row : kLayout) {
        QWidget* control = findChild<QWidget*>(QLatin1String(row.control));
        Q_ASSERT(control);
        place(control, row.left, row.top, row.width, row.height);
    }
    for (const auto& row : kDesignPictures) {
        QLabel* control = findChild<QLabel*>(QLatin1String(row.control));
        const QString picture = QLatin1String(row.picture);
        try {
            if (auto* button = qobject_cast<ImageButton*>(control)) {
                button->setPicture(picture);
            } else {
                control->setPixmap(images().load(picture));
                control->setProperty("pictureName", picture);
            }
        } catch (const Failure&) {
            // Decoration without its picture leaves the skin showing.
        }
    }

    Image7->setToolTip(QStringLiteral("Click on image to switch games"));
    Image6->setToolTip(QStringLiteral("More advanced map and folder management"));
    DropNotepad->setToolTip(QStringLiteral("Add notes to any map"));

    ImageMap->setFrameStyle(QFrame::Box | QFrame::Plain);
    ImageMap->setLineWidth(1);
    ImageMap->setScaledContents(true);
    ImageMap->setProperty("pictureName", QString());

    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setTabChangesFocus(true);

    for (FileListBox* list : {File1, File2}) {
        list->setUniformItemSizes(true);
        list->installEventFilter(this);
    }
    connect(File1, &FileListBox::clicked, this, [this] { SelectGameMap(Trigger::Click); });
    connect(File2, &FileListBox::clicked, this, [this] { SelectStoredMap(Trigger::Click); });
    // A choice made with the keyboard inside a list counts as a click, so that
    // the selected map and the list never disagree.
    connect(File1, &QListWidget::itemSelectionChanged, this, [this] {
        if (!File1->fileName().isEmpty())
            SelectGameMap(Trigger::Click);
    });
    connect(File2, &QListWidget::itemSelectionChanged, this, [this] {
        if (!File2->fileName().isEmpty())
            SelectStoredMap(Trigger::Click);
    });
    connect(Image7, &ImageButton::clicked, this, &MapMain::ToggleGame);
    connect(Image6, &ImageButton::mouseDown, this, &MapMain::OpenManager);
    connect(Image9, &ImageButton::mouseDown, this, &MapMain::StoreMap);
    connect(Image8, &ImageButton::mouseDown, this, &MapMain::InstallMap);
    connect(Image3, &ImageButton::clicked, this, &MapMain::StoreNote);
    connect(Image5, &ImageButton::clicked, this, &MapMain::ClearNote);
    connect(DropNotepad, &ImageButton::clicked, this, &MapMain::ToggleNotesPanel);
}

MapMain::~MapMain() = default;

// ---- Load and unload ----------------------------------------------------------------------------

void MapMain::Load()
{
    placeConsole();
    for (const char* menu : {"File", "Internet", "Help"})
        m_frame.setMenuEnabled(QLatin1String(menu), true);
    m_forms.unload(QStringLiteral("MapManager"));
    m_services.pointer.showDefault();

    if (IsGameMissing(m_state.BhwweFolder) && IsGameMissing(m_state.Rmth3Folder)) {
        m_messages.show(kNoGameMessage);
        m_forms.endProgram();
        return;
    }

    std::vector<Step> steps;
    for (const QString& game : {kRmth3, kBhwwe}) {
        const QString folder = GameFolderOf(m_state, game);
        if (!IsGameKnown(folder))
            continue;
        steps.push_back([this, folder] { MakeMapsFolderIfMissing(m_services.files, folder); });
        steps.push_back([this, folder] { MakeStorageFolderIfMissing(m_services.files, folder); });
    }
    steps.insert(steps.end(), {
        [this] { applyGameDecision(); },
        [this] { applyShape(); },
        [this] { Image6->setPicture(kManagerIdle); },
        [this] { closeNotesPanel(); },
        [this] { m_state.MapsFolder = MapsFolderOf(GameFolderOf(m_state, m_state.CurrentGame)); },
        [this] { ListConsoleMaps(m_state, *File1, *File2); },
        [this] { placePreviewBox(m_state.CurrentGame); },
        [this] { Image6->setPicture(kManagerIdle); },
        [this] { zv::LoadNotes(m_noteTable, m_services); },
        [this] { showIdleButtons(); },
    });
    for (const Step& step : steps) {
        if (!runLoadStep(step))
            return;
    }
}

void MapMain::Unload()
{
    releaseShape();
}

bool MapMain::runLoadStep(const Step& step)
{
    try {
        step();
        return true;
    } catch (const Failure& failure) {
        switch (AnswerToLoadFailure(failure.number(), !m_gamePicture.isEmpty())) {
        case LoadFailureAnswer::ClearPictureAndGoOn:
            Image7->clearPicture();
            return true;
        case LoadFailureAnswer::GoOn:
            return true;
        case LoadFailureAnswer::StopSilently:
            return false;
        case LoadFailureAnswer::StopWithMessage:
            m_messages.show(NumberCommaDescription(failure));
            return false;
        }
        return false;
    }
}

// Centred in the frame, or where the map manager was when the console comes back from it.
void MapMain::placeConsole()
{
    const auto* manager = m_forms.loadedAs<SkinnedWindow>(QStringLiteral("MapManager"));
    if (m_state.ReturnFromManager && manager) {
        moveToTwips(manager->positionTwips());
    } else {
        centreOnTwips(m_frame.outerSizeTwips());
    }
    if (m_state.ReturnFromManager) {
        m_forms.unload(QStringLiteral("MapManager"));
        m_state.ReturnFromManager = false;
    }
}

void MapMain::applyGameDecision()
{
    const std::optional<QString> game =
        DecideConsoleGame(m_state, MapsFolderRule::OnlyWhenSwitched);
    if (!game) {
        m_gamePicture.clear();
        Image7->clearPicture();
        return;
    }
    showGameLook(*game);
}

// The frame's caption and the game picture; the picture's name counts as chosen
// before the picture is loaded.
void MapMain::showGameLook(const QString& game)
{
    const ConsoleGameLook& look = ConsoleLookOf(game);
    m_gamePicture = look.picture;
    m_frame.setTitle(look.caption);
    Image7->setPicture(m_gamePicture);
}

void MapMain::placePreviewBox(const QString& game)
{
    const QRect box = ConsoleLookOf(game).previewBoxTwips;
    const double fx = screen().twipsPerPixelX();
    const double fy = screen().twipsPerPixelY();
    ImageMap->setGeometry(static_cast<int>(std::lround(box.left() / fx)),
                          static_cast<int>(std::lround(box.top() / fy)),
                          static_cast<int>(std::lround(box.width() / fx)),
                          static_cast<int>(std::lround(box.height() / fy)));
}

void MapMain::showIdleButtons()
{
    Image8->setPicture(QLatin1String(m_storedSide.looks.idle));
    Image8->show();
    Image10->show();
    Image9->setPicture(QLatin1String(m_gameSide.looks.idle));
    Image9->show();
    Image11->show();
}

// ---- Game switch and the map manager ------------------------------------------------------------

void MapMain::ToggleGame()
{
    try {
        m_services.pointer.showBusy();
        if (IsGameKnown(m_state.BhwweFolder)) {
            MakeMapsFolderIfMissing(m_services.files, m_state.BhwweFolder);
            MakeStorageFolderIfMissing(m_services.files, m_state.BhwweFolder);
        }
        const QString before = m_state.CurrentGame;
        m_state.CurrentGame = OtherGameOf(before);
        std::optional<QString> game = DecideConsoleGame(m_state, MapsFolderRule::Always);
        if (!game) {
            // No game to switch to: the console stays on the one it shows.
            m_state.CurrentGame = before;
            game = DecideConsoleGame(m_state, MapsFolderRule::Always);
        }
        if (!game) {
            m_services.pointer.showDefault();
            return;
        }
        // The game shown gets its folders too (not only BHWWE), so that a storage
        // folder removed meanwhile does not stop the switch.
        MakeMapsFolderIfMissing(m_services.files, GameFolderOf(m_state, *game));
        MakeStorageFolderIfMissing(m_services.files, GameFolderOf(m_state, *game));
        showGameLook(*game);
        clearPreview();
        placePreviewBox(m_state.CurrentGame);
        ListConsoleMaps(m_state, *File1, *File2);
        m_services.pointer.showDefault();
    } catch (const Failure& failure) {
        m_messages.show(ErrorNumberDescription(failure));
        m_services.pointer.showDefault();
    }
}

void MapMain::OpenManager()
{
    ShowPictureIfPossible(*Image6, kManagerPressed);
    m_services.pointer.showBusy();
    auto* manager = dynamic_cast<SkinnedWindow*>(m_forms.load(QStringLiteral("MapManager")));
    if (!manager) {
        // No manager to hand over to: the console stays.
        m_services.pointer.showDefault();
        return;
    }
    manager->moveToTwips(positionTwips());
    manager->show();
    manager->raise();
    m_services.pointer.showDefault();
    hide();
    m_forms.unload(objectName());
}

// ---- Selections ---------------------------------------------------------------------------------

bool MapMain::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn && UserGaveFocus(static_cast<QFocusEvent&>(*event))) {
        if (watched == File1)
            SelectGameMap(Trigger::Focus);
        else if (watched == File2)
            SelectStoredMap(Trigger::Focus);
    }
    return SkinnedWindow::eventFilter(watched, event);
}

void MapMain::SelectGameMap(Trigger trigger)
{
    selectMap(m_gameSide, m_storedSide, trigger);
}

void MapMain::SelectStoredMap(Trigger trigger)
{
    selectMap(m_storedSide, m_gameSide, trigger);
}

// A failing step clears the preview and the next step runs, so a map without
// preview shows an empty box and everything else still happens.
void MapMain::selectMap(const ListSide& side, const ListSide& other, Trigger trigger)
{
    const Step steps[] = {
        [&] {
            if (trigger == Trigger::Click || side.focusClearsNote)
                Text1->clear();
        },
        [&] { (m_state.*other.selected).clear(); },
        [&] { m_selectedName = side.list->fileName(); },
        [&] { m_state.*side.selected = side.list->path() + QLatin1Char('\\') + m_selectedName; },
        [&] {
            m_state.PreviewPath = m_state.*side.selected;
            m_state.PreviewCut = static_cast<std::int32_t>(m_state.PreviewPath.size() - 3);
            m_state.PreviewPath = PreviewPathFor(m_state.PreviewPath);
        },
        [&] { showPreview(m_state.PreviewPath); },
        [&] { side.button->setPicture(QLatin1String(side.looks.lit)); },
        [&] {
            other.button->hide();
            other.companion->hide();
            side.button->show();
            side.companion->show();
        },
        [&] {
            const QSignalBlocker blocker(other.list);
            other.list->setCurrentRow(-1);
        },
        [&] { LookUpNote(m_selectedName); },
    };
    for (const Step& step : steps) {
        try {
            step();
        } catch (const Failure&) {
            clearPreview();
        }
    }
}

void MapMain::showPreview(const QString& path)
{
    QPixmap picture;
    if (!picture.loadFromData(m_services.files.readFile(path)))
        throw Failure(kInvalidPicture, QStringLiteral("Invalid picture"));
    ImageMap->setPixmap(picture);
    ImageMap->setProperty("pictureName", path.mid(path.lastIndexOf(QLatin1Char('\\')) + 1));
}

void MapMain::clearPreview()
{
    ImageMap->clear();
    ImageMap->setProperty("pictureName", QString());
}

// ---- Store and install --------------------------------------------------------------------------

void MapMain::StoreMap()
{
    moveMap(m_gameSide, m_storedSide);
}

void MapMain::InstallMap()
{
    moveMap(m_storedSide, m_gameSide);
}

void MapMain::moveMap(const ListSide& from, const ListSide& to)
{
    if ((m_state.*from.selected).isEmpty()) {
        if (from.showButtonWhenNothingSelected)
            from.button->show();
        return;
    }
    const Step steps[] = {
        [&] { from.button->setPicture(QLatin1String(from.looks.running)); },
        [&] { m_services.pointer.showBusy(); },
        [&] {
            MoveMapPair(m_services.files, {m_state.*from.selected, m_state.PreviewPath,
                                           from.list->fileName(), to.list->path()});
        },
        [&] { m_services.pointer.showDefault(); },
        [&] { showIdleButtons(); },
        [&] { ListConsoleMaps(m_state, *File1, *File2); },
        [&] { clearPreview(); },
    };
    for (const Step& step : steps) {
        if (!runMoveStep(from, to, step))
            return;
    }
}

bool MapMain::runMoveStep(const ListSide& from, const ListSide& to, const Step& step)
{
    try {
        step();
        return true;
    } catch (const Failure& failure) {
        switch (AnswerToMoveFailure(failure.number())) {
        case MoveFailureAnswer::SkipStep:
            return true;
        case MoveFailureAnswer::ResetButtons:
            try {
                showIdleButtons();
            } catch (const Failure&) {
            }
            break;
        case MoveFailureAnswer::ShowMessage:
            m_messages.show(NumberCommaDescription(failure));
            ShowPictureIfPossible(*from.button, QLatin1String(from.looks.idle));
            to.button->show();
            to.companion->show();
            break;
        }
        m_services.pointer.showDefault();
        return false;
    }
}

// ---- Notes --------------------------------------------------------------------------------------

void MapMain::StoreNote()
{
    // The lists keep at most one of them selected; with neither (or, which
    // cannot happen, both) naming a map the note has no map to belong to.
    const QString gameName = File1->fileName();
    const QString storedName = File2->fileName();
    const QString name = gameName.isEmpty() ? storedName
                         : storedName.isEmpty() ? gameName
                                                : QString();
    if ((File1->listIndex() == -1 && File2->listIndex() == -1) || name.isEmpty()) {
        m_messages.show(kSelectMapMessage);
        return;
    }
    m_services.pointer.showBusy();
    if (!StoreNoteEntry(m_noteTable, name, NoteFromBox(*Text1), m_services, m_messages)) {
        // Refused and told: the note stays in the box, the map stays selected.
        m_services.pointer.showDefault();
        return;
    }
    for (FileListBox* list : {File1, File2}) {
        const QSignalBlocker blocker(list);
        list->setCurrentRow(-1);
    }
    Text1->setPlainText(kNoteSavedText);
    try {
        zv::LoadNotes(m_noteTable, m_services);
    } catch (const Failure& failure) {
        m_messages.show(NumberColonDescription(failure));
    }
    m_services.pointer.showDefault();
}

// A selection without a map name has no note to show: a blank entry is not a note.
void MapMain::LookUpNote(const QString& mapName)
{
    if (mapName.isEmpty())
        return;
    if (const std::optional<QString> note = zv::LookUpNote(m_noteTable, mapName))
        Text1->setPlainText(NoteForBox(*note));
}

void MapMain::ToggleNotesPanel()
{
    const bool open = Shape1->styleValue() == NotesBackdrop::kClosed;
    // Hiding the focused box would pass the focus on to a map list, whose
    // selection would then replace the text the box keeps.
    if (!open && Text1->hasFocus())
        Text1->clearFocus();
    Text1->setVisible(open);
    Image3->setVisible(open);
    Image5->setVisible(open);
    ShowPictureIfPossible(*DropNotepad, open ? kNotesOpen : kNotesClosed);
    Shape1->setStyleValue(open ? NotesBackdrop::kOpen : NotesBackdrop::kClosed);
    if (open)
        Text1->clear();
}

void MapMain::closeNotesPanel()
{
    Shape1->setStyleValue(NotesBackdrop::kClosed);
    Text1->hide();
    Image3->hide();
    Image5->hide();
}

void MapMain::ClearNote()
{
    Text1->clear();
}

} // namespace zv
