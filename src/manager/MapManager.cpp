#include "MapManager.h"

#include "core/MapFolders.h"
#include "frame/MDIForm1.h"
#include "manager/CommandSteps.h"
#include "core/FailureTexts.h"
#include "manager/FolderOperations.h"
#include "manager/GameSwitch.h"
#include "manager/TypedNames.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "platform/Pointer.h"
#include "platform/ProgramPath.h"
#include "widgets/FileLists.h"
#include "widgets/ImageButton.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace zv {

namespace {

const QString kBlankButton = QStringLiteral("BlankButton.bmp");

// The three looks of each button of the three groups: blank (disabled), idle
// and armed. The switch button's picture depends on the game.
struct ButtonPictures {
    const char* control;
    const char* idle;
    const char* armed;
};

constexpr ButtonPictures kButtonPictures[] = {
    {"Image1", "FMCopyOff.bmp", "FMCopyOn.bmp"},
    {"Image2", "FMDeleteOff.bmp", "FMDeleteOn.bmp"},
    {"Image4", "FMMoveOff.bmp", "FMMoveOn.bmp"},
    {"Image5", "FMRenameOff.bmp", "FMRenameOn.bmp"},
    {"Image7", "FMNewFolderOff.bmp", "FMNewFolderOn.bmp"},
    {"Image8", "FMDeleteFolderOff.bmp", "FMDeleteFolderOn.bmp"},
    {"Image9", "FMRenameFolderOff.bmp", "FMRenameFolderOn.bmp"},
    {"Image6", "FMFindMapsOff.bmp", nullptr},
};

const ButtonPictures* PicturesOf(const QString& control)
{
    for (const ButtonPictures& row : kButtonPictures) {
        if (control == QLatin1String(row.control))
            return &row;
    }
    return nullptr;
}

// The switch button offers the game that is not current.
QString SwitchPictureFor(const QString& game)
{
    return IsBhwwe(game) ? QStringLiteral("FMSwitchRMTH3.bmp") : QStringLiteral("FMSwitchBHWWE.bmp");
}

// "c:" for a program path on drive C:.
QString DriveOf(const QString& path)
{
    return path.left(2).toLower();
}

QString RootOf(const QString& drive)
{
    return drive.left(2).toUpper() + QLatin1Char('\\');
}

const QString kCopyTargetStatus =
    QStringLiteral("Click on the COPY MAP button again after selecting your destination folder.");
const QString kMoveTargetStatus =
    QStringLiteral("Click on the MOVE MAP button again after selecting your destination folder.");

} // namespace

MapManager::MapManager(const WindowContext& context)
    : SkinnedWindow(QStringLiteral("MapManager"), context.forms.mainFrame().clientArea(), context.images,
                    context.screen),
      m_state(context.state), m_services(context.services), m_messages(context.messages),
      m_forms(context.forms), m_frame(context.forms.mainFrame()),
      Drive1(new DriveListBox(context.services.drives, QStringLiteral("Drive1"), this)),
      Dir1(new DirListBox(context.services.files, QStringLiteral("Dir1"), this)),
      File1(new FileListBox(context.services.files, QStringLiteral("File1"), this)),
      Label1(Named(new QLabel(this), QStringLiteral("Label1"))),
      Text1(Named(new QLineEdit(this), QStringLiteral("Text1"))),
      ImageMap(Named(new QLabel(this), QStringLiteral("ImageMap"))),
      Image1(new ImageButton(context.images, QStringLiteral("Image1"), this)),
      Image2(new ImageButton(context.images, QStringLiteral("Image2"), this)),
      Image3(new ImageButton(context.images, QStringLiteral("Image3"), this)),
      Image4(new ImageButton(context.images, QStringLiteral("Image4"), this)),
      Image5(new ImageButton(context.images, QStringLiteral("Image5"), this)),
      Image6(new ImageButton(context.images, QStringLiteral("Image6"), this)),
      Image7(new ImageButton(context.images, QStringLiteral("Image7"), this)),
      Image8(new ImageButton(context.images, QStringLiteral("Image8"), this)),
      Image9(new ImageButton(context.images, QStringLiteral("Image9"), this)),
      Image10(new ImageButton(context.images, QStringLiteral("Image10"), this)),
      Image11(new ImageButton(context.images, QStringLiteral("Image11"), this)),
      Image12(new ImageButton(context.images, QStringLiteral("Image12"), this)),
      Image15(new ImageButton(context.images, QStringLiteral("Image15"), this))
{
    // The decoration lies behind the lists and lets the body be dragged through it.
    place(Image3, 122, 56, 379, 290);
    Image3->setAttribute(Qt::WA_TransparentForMouseEvents);
    Image3->lower();
    place(Drive1, 144, 78, 169, 22);
    place(Dir1, 144, 107, 169, 227);
    place(File1, 315, 77, 175, 257);
    place(Label1, 177, 414, 288, 26);
    place(Text1, 231, 453, 174, 18);
    place(Image1, 58, 63, 51, 48);
    place(Image2, 58, 122, 51, 48);
    place(Image4, 58, 181, 51, 48);
    place(Image5, 58, 241, 51, 48);
    place(Image6, 58, 300, 51, 48);
    place(Image7, 528, 63, 51, 48);
    place(Image8, 528, 122, 51, 48);
    place(Image9, 528, 181, 51, 48);
    place(Image10, 528, 241, 51, 48);
    place(Image11, 528, 300, 51, 48);
    place(Image15, 249, 350, 65, 24);
    place(Image12, 318, 350, 65, 24);

    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    // The longest prompts take two lines of the status line.
    Label1->setStyleSheet(QStringLiteral("color: #f0e6c8; font-size: 8pt;"));
    Text1->hide();
    ImageMap->setScaledContents(true);
    ImageMap->setFrameShape(QFrame::NoFrame);
    clearPreview();
    File1->setPattern(kMapListFilter);
    PlacePreviewBox();
    // The name box lies over the preview box.
    Text1->raise();

    // The buttons that keep their design pictures; a missing one leaves a hot spot.
    for (auto [button, picture] : {std::pair{Image3, QStringLiteral("FMDecoration.bmp")},
                                   std::pair{Image11, QStringLiteral("FMExitToMain.bmp")},
                                   std::pair{Image12, QStringLiteral("FMCancel.bmp")},
                                   std::pair{Image15, QStringLiteral("FMHome.bmp")}}) {
        try {
            button->setPicture(picture);
        } catch (const Failure&) {
        }
    }

    // Until the window has loaded, every button shows its design look.
    ShowMapButtons();
    ShowFolderButtons();
    setLook(Image6, Look::Idle);
    showSwitchButton();

    connect(Drive1, &DriveListBox::driveChanged, this, &MapManager::ManagerDriveChanged);
    connect(Dir1, &DirListBox::pathChanged, this, &MapManager::ManagerFolderChanged);
    connect(Dir1, &DirListBox::clicked, this, [this] { guarded([this] { UpdateStatusLine(); }); });
    connect(File1, &FileListBox::clicked, this, &MapManager::SelectManagerFile);
    const std::pair<ImageButton*, ManagerButton> buttons[] = {
        {Image1, ManagerButton::CopyMap},       {Image2, ManagerButton::DeleteMap},
        {Image4, ManagerButton::MoveMap},       {Image5, ManagerButton::NewMapName},
        {Image6, ManagerButton::FindMaps},      {Image7, ManagerButton::NewFolder},
        {Image8, ManagerButton::DeleteFolder},  {Image9, ManagerButton::NewFolderName},
        {Image10, ManagerButton::SwitchGame},   {Image11, ManagerButton::ExitToMain},
        {Image15, ManagerButton::Home},         {Image12, ManagerButton::Cancel},
    };
    for (auto [image, button] : buttons)
        connect(image, &ImageButton::clicked, this, [this, button] { buttonClicked(button); });
    // The window sees every key first, the name box's included.
    for (QWidget* control : findChildren<QWidget*>())
        control->installEventFilter(this);
    setFocusPolicy(Qt::StrongFocus);
}

// ---- Opening and closing ----------------------------------------------------

void MapManager::Load()
{
    applyShape();
    QString pendingFind;
    const auto failure = RunSteps(
        {
            [this] { RefreshManagerLists(); },
            [&] {
                // A find waiting from the finder: its place becomes current and its
                // folder opens once the window is up.
                if (!m_state.FoundMapPending)
                    return;
                pendingFind = m_state.FoundMapPath;
                m_state.FoundMapPending = false;
                try {
                    m_services.files.setCurrentFolder(SplitFolderPath(pendingFind).parent);
                } catch (const Failure&) {
                }
            },
            [this] {
                const QString& start = m_state.MapsFolder;
                for (const QString& folder : {start, ParentFolderOf(start)}) {
                    try {
                        m_services.files.setCurrentFolder(folder);
                    } catch (const Failure&) {
                    }
                }
            },
            [this] { Drive1->setDrive(m_state.MapsFolder.left(2)); },
            [this] { Dir1->setPath(m_state.MapsFolder); },
            [this] { File1->setPath(m_state.MapsFolder); },
            [this] { RefreshManagerLists(); },
            [this] {
                m_mode = ManagerMode::Idle;
                BlankAllButtons();
                setLook(Image6, Look::Idle);
                showGameLooks();
                PlacePreviewBox();
            },
        },
        {FailureNumber::PathNotFound});
    if (failure) {
        if (failure->number() == FailureNumber::DeviceUnavailable)
            Drive1->setDrive(m_state.MapsFolder.left(2));
        else
            m_messages.show(NumberCommaDescription(*failure));
        return;
    }
    if (!pendingFind.isEmpty())
        openPendingFind(pendingFind);
}

void MapManager::Unload()
{
    releaseShape();
}

void MapManager::openPendingFind(const QString& foundPath)
{
    const FolderParts parts = SplitFolderPath(foundPath);
    guarded([&] {
        openListsAt(IsDriveRoot(parts.parent) ? RootOf(parts.parent) : parts.parent);
        const auto found = File1->findItems(parts.name, Qt::MatchFixedString);
        if (found.isEmpty())
            return;
        File1->setCurrentItem(found.first());
        SelectManagerFile();
    });
}

// Points all three lists at a folder; the folder change follows.
void MapManager::openListsAt(const QString& folder)
{
    Drive1->setDrive(folder.left(2));
    Dir1->setPath(folder);
    File1->setPath(folder);
}

void MapManager::guarded(const std::function<void()>& work)
{
    try {
        work();
    } catch (const Failure&) {
        m_services.pointer.showDefault();
    }
}

// ---- Looks ------------------------------------------------------------------

void MapManager::setLook(ImageButton* button, Look look)
{
    const ButtonPictures* pictures = PicturesOf(button->objectName());
    QString picture = kBlankButton;
    if (look != Look::Blank && pictures) {
        const char* name = look == Look::Armed && pictures->armed ? pictures->armed : pictures->idle;
        picture = QString::fromLatin1(name);
    }
    button->setEnabled(look != Look::Blank);
    try {
        button->setPicture(picture);
    } catch (const Failure&) {
        button->clearPicture(); // a missing picture leaves a hot spot that still works
    }
}

void MapManager::showSwitchButton()
{
    Image10->setEnabled(true);
    try {
        Image10->setPicture(SwitchPictureFor(m_state.CurrentGame));
    } catch (const Failure&) {
        Image10->clearPicture();
    }
}

// The frame's caption names the current game; the switch offers the other
// game while it is known and is blank otherwise.
void MapManager::showGameLooks()
{
    m_frame.setTitle(FrameCaptionFor(m_state.CurrentGame));
    if (GameFolderOf(m_state, OtherGameOf(m_state.CurrentGame)).isEmpty())
        setLook(Image10, Look::Blank);
    else
        showSwitchButton();
}

void MapManager::BlankMapButtons()
{
    for (ImageButton* button : {Image1, Image2, Image4, Image5})
        setLook(button, Look::Blank);
}

void MapManager::ShowMapButtons()
{
    for (ImageButton* button : {Image1, Image2, Image4, Image5})
        setLook(button, Look::Idle);
}

void MapManager::BlankFolderButtons()
{
    for (ImageButton* button : {Image7, Image8, Image9})
        setLook(button, Look::Blank);
}

void MapManager::ShowFolderButtons()
{
    for (ImageButton* button : {Image7, Image8, Image9})
        setLook(button, Look::Idle);
}

void MapManager::ShowToolButtons()
{
    setLook(Image6, Look::Idle);
    if (!GameFolderOf(m_state, OtherGameOf(m_state.CurrentGame)).isEmpty())
        showSwitchButton();
}

void MapManager::BlankToolButtons()
{
    setLook(Image6, Look::Blank);
    setLook(Image10, Look::Blank);
}

void MapManager::BlankAllButtons()
{
    BlankMapButtons();
    BlankFolderButtons();
    BlankToolButtons();
}

void MapManager::PlacePreviewBox()
{
    if (IsBhwwe(m_state.CurrentGame))
        place(ImageMap, 170, 451, 300, 97);
    else
        place(ImageMap, 253, 447, 134, 107);
}

void MapManager::setStatus(const QString& text)
{
    Label1->setText(text);
}

void MapManager::showPreview(const QString& path)
{
    QPixmap picture;
    try {
        picture.loadFromData(m_services.files.readFile(path));
    } catch (const Failure&) {
    }
    if (picture.isNull())
        return clearPreview();
    ImageMap->setPixmap(picture);
    ImageMap->setProperty("pictureName", path);
}

void MapManager::clearPreview()
{
    ImageMap->setPixmap(QPixmap());
    ImageMap->setProperty("pictureName", QString());
}

void MapManager::openNameBox(const QString& status)
{
    Text1->show();
    setStatus(status);
    Text1->setFocus(Qt::OtherFocusReason);
}

// A hidden name box is always empty, so that nothing can be renamed to a
// name the user cannot see.
void MapManager::closeNameBox()
{
    Text1->clear();
    Text1->hide();
}

void MapManager::UpdateStatusLine()
{
    FolderName.clear();
    const QString name = selectedName();
    if (name.isEmpty()) {
        FolderName = SplitFolderPath(Dir1->path()).name;
        setStatus(QStringLiteral("Current folder: ") + FolderName);
    } else if (!Dir1->path().isEmpty()) {
        setStatus(QStringLiteral("The ") + name + QStringLiteral(" map has been selected."));
    }
}

void MapManager::CancelArmedDelete(bool showTools)
{
    m_mode = ManagerMode::Idle;
    setStatus(QString());
    BlankMapButtons();
    BlankFolderButtons();
    if (showTools)
        ShowToolButtons();
}

void MapManager::RefreshManagerLists()
{
    Dir1->refresh();
    Drive1->refresh();
    File1->refresh();
}

QString MapManager::selectedName() const
{
    return File1->fileName();
}

// ---- The lists --------------------------------------------------------------

void MapManager::ManagerFolderChanged()
{
    guarded([this] {
        m_services.pointer.showBusy();
        File1->setPath(Dir1->path());
        m_services.pointer.showDefault();
        if (!Dir1->path().isEmpty())
            m_driveFolders.insert(DriveOf(Dir1->path()), Dir1->path());
        UpdateStatusLine();
        lookAfterListsMoved(true);
    });
}

// The looks once the lists show another folder: the folder buttons unless a
// name is being typed, no map buttons without a selection, and the button of
// an armed copy, move, folder removal or folder rename lit again. The folder
// change blanks the others around an armed copy or move; the drive change
// leaves them.
void MapManager::lookAfterListsMoved(bool blankAroundTransfer)
{
    if (Text1->text().isEmpty()) {
        ShowFolderButtons();
        if (selectedName().isEmpty())
            BlankMapButtons();
    }
    switch (m_mode) {
    case ManagerMode::Idle: ShowToolButtons(); break;
    case ManagerMode::CopyArmed:
    case ManagerMode::MoveArmed:
        if (blankAroundTransfer)
            BlankAllButtons();
        setLook(m_mode == ManagerMode::CopyArmed ? Image1 : Image4, Look::Armed);
        break;
    case ManagerMode::DeleteFolderArmed:
    case ManagerMode::RenameFolderArmed:
        BlankAllButtons();
        setLook(m_mode == ManagerMode::DeleteFolderArmed ? Image8 : Image9, Look::Armed);
        break;
    default: break;
    }
}

void MapManager::ManagerDriveChanged(const QString& drive)
{
    m_services.pointer.showBusy();
    try {
        // The drive opens where it was last left, else at its root.
        const QString remembered = m_driveFolders.value(DriveOf(drive), RootOf(drive));
        try {
            Dir1->setPath(remembered);
        } catch (const Failure&) {
            if (remembered == RootOf(drive))
                throw;
            Dir1->setPath(RootOf(drive));
        }
        m_services.pointer.showDefault();
        lookAfterListsMoved(false);
    } catch (const Failure&) {
        // A drive without a medium snaps back to the maps folder's drive, without a message.
        const QString home = DriveOf(m_state.MapsFolder);
        Drive1->setDrive(home);
        if (DriveOf(Dir1->path()) != home)
            guarded([&] { Dir1->setPath(m_driveFolders.value(home, RootOf(home))); });
        BlankMapButtons();
        BlankFolderButtons();
        ShowToolButtons();
        m_services.pointer.showDefault();
    }
}

void MapManager::SelectManagerFile()
{
    guarded([this] {
        UpdateStatusLine();
        const QString name = selectedName();
        m_state.ManagerSelection = JoinPath(File1->path(), name);
        MapName = name;
        try {
            m_state.PreviewPath = PreviewPathFor(m_state.ManagerSelection);
            m_state.PreviewCut = static_cast<std::int32_t>(m_state.ManagerSelection.size() - 3);
        } catch (const Failure&) {
        }
        ShowMapButtons();
        ShowFolderButtons();
        ShowToolButtons();
        showPreview(m_state.PreviewPath);
        switch (m_mode) {
        case ManagerMode::CopyArmed:
            setStatus(kCopyTargetStatus);
            m_mode = ManagerMode::CopyTargetClicked;
            setLook(Image1, Look::Armed);
            break;
        case ManagerMode::DeleteMapArmed: setLook(Image2, Look::Armed); break;
        case ManagerMode::MoveArmed:
            setStatus(kMoveTargetStatus);
            m_mode = ManagerMode::MoveTargetClicked;
            setLook(Image4, Look::Armed);
            break;
        default: break;
        }
    });
}

// ---- Buttons and keys -------------------------------------------------------

ClickFacts MapManager::clickFacts() const
{
    ClickFacts facts;
    facts.mode = m_mode;
    facts.hasManagerSelection = !m_state.ManagerSelection.isEmpty();
    facts.fileSelected = !selectedName().isEmpty();
    facts.folderOpen = !Dir1->path().isEmpty();
    facts.nameBoxEmpty = Text1->text().isEmpty();
    facts.nameBoxVisible = !Text1->isHidden();
    facts.trimmedNameLength = Text1->text().trimmed().size();
    return facts;
}

void MapManager::buttonClicked(ManagerButton button)
{
    const ClickDecision decision = DecideClick(button, clickFacts());
    run(decision.step, decision.dropShowsTools, button, false);
}

void MapManager::enterPressed()
{
    run(DecideEnter(clickFacts()), false, ManagerButton::NewMapName, true);
}

void MapManager::run(ManagerStep step, bool dropShowsTools, ManagerButton button, bool byEnter)
{
    using S = ManagerStep;
    switch (step) {
    case S::Nothing: break;
    case S::DropArmedDelete: CancelArmedDelete(dropShowsTools); break;
    case S::SelectFirst: selectFirst(button); break;
    case S::ArmCopy: armTransfer(MapCommand::Copy); break;
    case S::PerformCopy: PerformCopy(false); break;
    case S::CopyAfterFileClick: PerformCopy(true); break;
    case S::ArmDeleteMap: ArmDeleteMap(); break;
    case S::PerformDeleteMap: PerformDeleteMap(); break;
    case S::ArmMove: armTransfer(MapCommand::Move); break;
    case S::PerformMove: PerformMove(false); break;
    case S::MoveAfterFileClick: PerformMove(true); break;
    case S::OpenMapName: OpenMapName(); break;
    case S::CommitMapName:
        if (byEnter)
            CommitMapRename();
        else
            RenameMapByButton();
        break;
    case S::MakeFolder: MakeFolder(); break;
    case S::ArmRemoveFolder: ArmRemoveFolder(); break;
    case S::PerformRemoveFolder: PerformRemoveFolder(); break;
    case S::OpenFolderName: OpenFolderName(); break;
    case S::CommitFolderName: CommitFolderRename(); break;
    case S::OpenFinder: OpenFinder(); break;
    case S::SwitchGame: SwitchManagerGame(); break;
    case S::ReturnToConsole: ReturnToConsole(); break;
    case S::GoHome: GoHome(); break;
    case S::Cancel: CancelManager(); break;
    }
}

void MapManager::selectFirst(ManagerButton button)
{
    const auto rule = SelectFirstOf(button);
    if (!rule)
        return;
    setStatus(QString::fromLatin1(rule->status));
    if (rule->also == SelectFirstAlso::SetIdle)
        m_mode = ManagerMode::Idle;
    else
        closeNameBox();
}

bool MapManager::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            enterPressed();
            return true;
        }
    }
    return SkinnedWindow::eventFilter(watched, event);
}

void MapManager::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        enterPressed();
        return;
    }
    SkinnedWindow::keyPressEvent(event);
}

// ---- Map commands -----------------------------------------------------------

void MapManager::reportMapFailure(MapCommand command, const Failure& failure)
{
    const MapFailureReaction reaction = ReactionToMapFailure(command, failure);
    m_services.pointer.showDefault();
    m_messages.show(reaction.message);
    if (reaction.toIdle) {
        m_mode = ManagerMode::Idle;
        setStatus(QString());
    }
    if (reaction.emptyNameBox)
        Text1->clear();
    BlankMapButtons();
    BlankFolderButtons();
    ShowToolButtons();
}

// Arms a copy or a move of the selected map: the map and its folder are
// remembered, and the command's button alone is lit.
void MapManager::armTransfer(MapCommand command)
{
    const bool copy = command == MapCommand::Copy;
    if (selectedName().isEmpty())
        return selectFirst(copy ? ManagerButton::CopyMap : ManagerButton::MoveMap);
    try {
        SourceFolder = File1->path();
        SourceName = selectedName();
        m_state.PreviewPath = PreviewPathFor(SourceName);
        m_state.PreviewCut = static_cast<std::int32_t>(SourceName.size() - 3);
        setStatus(copy ? QStringLiteral("Where do you want to copy ") + SourceName +
                             QStringLiteral(" to?  Open a folder and select the COPY button again.")
                       : QStringLiteral("Where do you want to move ") + SourceName +
                             QStringLiteral(" to?  Open a folder and select the MOVE MAP button again."));
        m_mode = copy ? ManagerMode::CopyArmed : ManagerMode::MoveArmed;
        BlankAllButtons();
        setLook(copy ? Image1 : Image4, Look::Armed);
    } catch (const Failure& failure) {
        reportMapFailure(command, failure);
    }
}

// The end of a map command that did its work: nothing armed, nothing selected.
void MapManager::finishMapCommand()
{
    setStatus(QString());
    m_mode = ManagerMode::Idle;
    m_state.ManagerSelection.clear();
    BlankMapButtons();
    BlankFolderButtons();
    ShowToolButtons();
    m_services.pointer.showDefault();
}

// The lists read again after a map command; a file that has gone meanwhile is no failure.
std::optional<Failure> MapManager::refreshAfterMapCommand()
{
    return RunSteps({[this] { RefreshManagerLists(); }}, {FailureNumber::FileNotFound});
}

// After a file click the armed map is still the one named when the command
// was armed. The second click then puts it into the open folder, but never
// over a file already there: the click may have meant that very file.
bool MapManager::refuseReplacingInOpenFolder(const QString& targetName, ImageButton* button,
                                             ManagerMode armed, const char* buttonCaption)
{
    if (m_services.files.find(JoinPath(File1->path(), targetName), ListKind::FilesAndFolders).isEmpty())
        return false;
    setStatus(QStringLiteral("This folder already holds a map named ") + targetName +
              QStringLiteral(".  Open another folder and click on the ") +
              QString::fromLatin1(buttonCaption) + QStringLiteral(" button again."));
    m_mode = armed;
    BlankAllButtons();
    setLook(button, Look::Armed);
    return true;
}

void MapManager::PerformCopy(bool afterFileClick)
{
    std::optional<Failure> failure;
    try {
        const QString targetFolder = File1->path();
        const MapFileNames names = CopyNamesFor(SourceFolder, SourceName, targetFolder);
        if (afterFileClick &&
            refuseReplacingInOpenFolder(names.map, Image1, ManagerMode::CopyArmed, "COPY MAP"))
            return;
        MapName = names.map;
        m_services.pointer.showBusy();
        failure = CopyMapFiles(m_services.files, SourceFolder, SourceName, targetFolder, names);
        m_services.pointer.showDefault();
    } catch (const Failure& thrown) {
        failure = thrown;
    }
    if (!failure)
        failure = refreshAfterMapCommand();
    if (failure)
        return reportMapFailure(MapCommand::Copy, *failure);
    finishMapCommand();
}

void MapManager::ArmDeleteMap()
{
    setStatus(MapName + QStringLiteral(" will be permanantly deleted.  Click on the DELETE MAP button to confirm."));
    m_mode = ManagerMode::DeleteMapArmed;
    BlankAllButtons();
    setLook(Image2, Look::Armed);
}

void MapManager::PerformDeleteMap()
{
    m_services.pointer.showBusy();
    auto failure = DeleteMapFiles(m_services.files, m_state.ManagerSelection);
    m_services.pointer.showDefault();
    if (!failure) {
        setStatus(MapName + QStringLiteral(" has been deleted."));
        failure = refreshAfterMapCommand();
    }
    if (failure)
        return reportMapFailure(MapCommand::Delete, *failure);
    finishMapCommand();
}

void MapManager::PerformMove(bool afterFileClick)
{
    const QString targetFolder = File1->path();
    if (SameFolder(targetFolder, SourceFolder)) {
        setStatus(QStringLiteral(
            "You chose to move the map to its own folder.  Please select a different folder."));
        BlankAllButtons();
        setLook(Image4, Look::Armed);
        m_mode = ManagerMode::MoveArmed;
        return;
    }
    MoveResult result;
    try {
        if (afterFileClick &&
            refuseReplacingInOpenFolder(SourceName, Image4, ManagerMode::MoveArmed, "MOVE MAP"))
            return;
        MapName = SourceName;
        BlankAllButtons();
        m_services.pointer.showBusy();
        result = MoveMapFiles(m_services.files, SourceFolder, SourceName, targetFolder);
    } catch (const Failure& thrown) {
        result.failure = thrown;
    }
    if (!result.failure && !result.arrived) {
        setStatus(QStringLiteral("There was a problem moving this map."));
        BlankMapButtons();
        BlankFolderButtons();
        m_services.pointer.showDefault();
        m_mode = ManagerMode::MoveArmed;
        return;
    }
    if (!result.failure)
        result.failure = refreshAfterMapCommand();
    if (result.failure)
        return reportMapFailure(MapCommand::Move, *result.failure);
    finishMapCommand();
}

void MapManager::OpenMapName()
{
    openNameBox(QStringLiteral("Type the new map name in the text box below, and select the NEW MAP "
                               "NAME button when finished."));
    BlankAllButtons();
    setLook(Image5, Look::Armed);
}

void MapManager::RenameMapByButton()
{
    // A rename that ends, done or failed, leaves no map selected; the rename
    // itself has put the buttons and the pointer back.
    if (CommitMapRename() == RenameEnd::Failed)
        m_state.ManagerSelection.clear();
}

MapManager::RenameEnd MapManager::CommitMapRename()
{
    const QString base = TypedMapBase(Text1->text());
    if (const auto problem = NameProblem(base, NamedItem::Map)) {
        m_messages.show(*problem);
        return RenameEnd::Refused;
    }
    const QString oldName = selectedName();
    if (oldName.isEmpty()) {
        setStatus(QString::fromLatin1(SelectFirstOf(ManagerButton::NewMapName)->status));
        return RenameEnd::Refused;
    }
    const QString folder = File1->path();
    MapName = base + QStringLiteral(".gmx");
    m_services.pointer.showBusy();
    std::optional<Failure> failure;
    try {
        failure = RenameMapFiles(m_services.files, folder, oldName, base);
    } catch (const Failure& thrown) {
        failure = thrown;
    }
    if (!failure)
        failure = refreshAfterMapCommand();
    if (failure) {
        reportMapFailure(MapCommand::Rename, *failure);
        return RenameEnd::Failed;
    }
    closeNameBox();
    finishMapCommand();
    return RenameEnd::Done;
}

// ---- Folder commands --------------------------------------------------------

void MapManager::MakeFolder()
{
    BlankMapButtons();
    BlankToolButtons();
    BlankFolderButtons();
    setLook(Image7, Look::Armed);
    if (Dir1->path().isEmpty()) {
        setStatus(QStringLiteral("Select a location for the new folder."));
        return;
    }
    try {
        const auto made = MakeNewFolder(m_services.files, Dir1->path());
        if (made) {
            RefreshManagerLists();
            if (made->numbered) {
                setStatus(QString());
                closeNameBox();
            }
        }
    } catch (const Failure& failure) {
        m_messages.show(ErrorNumberDescription(failure));
    }
    BlankMapButtons();
    ShowToolButtons();
    ShowFolderButtons();
    setLook(Image7, Look::Idle);
}

void MapManager::ArmRemoveFolder()
{
    setStatus(QStringLiteral("Select the DELETE FOLDER button again to permanently remove ") + FolderName +
              QStringLiteral("."));
    m_mode = ManagerMode::DeleteFolderArmed;
    BlankAllButtons();
    setLook(Image8, Look::Armed);
}

void MapManager::PerformRemoveFolder()
{
    const QString path = Dir1->path();
    const QString parent = ParentFolderOf(path);
    const auto failure = RunSteps(
        {
            [&] { RemoveEmptyFolder(m_services.files, path); },
            [this] { RefreshManagerLists(); },
            [&] { Dir1->setPath(parent); },
        },
        {FailureNumber::PathNotFound});
    if (failure) {
        const FolderFailureReaction reaction = ReactionToRemoveFailure(*failure);
        m_messages.show(reaction.message);
        if (reaction.resetLooks) {
            BlankMapButtons();
            BlankFolderButtons();
            ShowToolButtons();
            m_services.pointer.showDefault();
        }
        return;
    }
    setStatus(QString());
    m_mode = ManagerMode::Idle;
    FolderName.clear();
    ShowFolderButtons();
    BlankMapButtons();
    ShowToolButtons();
}

void MapManager::OpenFolderName()
{
    openNameBox(QStringLiteral("Type a new name for this folder in the box below."));
    m_mode = ManagerMode::RenameFolderArmed;
    BlankAllButtons();
    setLook(Image9, Look::Armed);
}

void MapManager::CommitFolderRename()
{
    const QString typed = Text1->text();
    if (const auto problem = NameProblem(typed, NamedItem::Folder)) {
        m_messages.show(*problem);
        return;
    }
    const QString path = Dir1->path();
    FolderName = SplitFolderPath(path).name;
    m_services.pointer.showBusy();
    QString newPath;
    const auto failure = RunSteps(
        {
            [&] { newPath = RenameFolderTo(m_services.files, path, typed); },
            [this] {
                m_mode = ManagerMode::Idle;
                closeNameBox();
            },
            // The lists follow the folder to its new name before they are read again.
            [&] { Dir1->setPath(newPath); },
            [this] { RefreshManagerLists(); },
        },
        {});
    if (failure) {
        const FolderFailureReaction reaction = ReactionToRenameFailure(*failure);
        if (reaction.closeRename) {
            closeNameBox();
            guarded([this] { Dir1->refresh(); });
            setStatus(QString());
            m_mode = ManagerMode::Idle;
            FolderName.clear();
        }
        if (!reaction.message.isEmpty()) {
            m_services.pointer.showDefault();
            m_messages.show(reaction.message);
        }
    }
    BlankMapButtons();
    ShowFolderButtons();
    ShowToolButtons();
    m_services.pointer.showDefault();
}

// ---- Leaving the folder -----------------------------------------------------

void MapManager::SwitchManagerGame()
{
    try {
        ToggleManagerGame(m_state);
        const std::optional<QString> missing = relocate();
        PlacePreviewBox();
        clearPreview();
        showGameLooks();
        openListsAt(m_state.MapsFolder);
        RefreshManagerLists();
        if (missing) {
            // Said once the lists have opened the folder of the game the switch came from.
            setStatus(QStringLiteral("The ") + GameTitleOf(*missing) +
                      QStringLiteral(" game could not be found."));
            BlankMapButtons();
            BlankFolderButtons();
            ShowToolButtons();
        }
    } catch (const Failure& failure) {
        m_services.pointer.showDefault();
        m_messages.show(ErrorNumberDescription(failure));
    }
}

// Finds the maps folder of the game the switch went to. A game that cannot be
// found, or whose record cannot be looked at, gives way to the game the switch
// came from, so the lists always open a game's own maps folder. Returns the
// game that could not be found.
std::optional<QString> MapManager::relocate()
{
    Relocation outcome;
    try {
        outcome = RelocateCurrentGame(m_state, m_services);
    } catch (const Failure& failure) {
        m_messages.show(DescriptionCommaNumber(failure));
        ReturnToKnownGame(m_state);
        try {
            m_services.files.deleteFile(MapLogPath(m_services.programFolder));
        } catch (const Failure& logFailure) {
            // The map log is normally not there at all.
            if (logFailure.number() != FailureNumber::FileNotFound)
                throw;
        }
        m_services.pointer.showDefault();
        return std::nullopt;
    }
    if (outcome != Relocation::NotFound)
        return std::nullopt;
    const QString missing = m_state.CurrentGame;
    ReturnToKnownGame(m_state);
    m_services.pointer.showDefault();
    return missing;
}

void MapManager::ReturnToConsole()
{
    m_state.ReturnFromManager = true;
    if (QWidget* list = m_forms.loaded(QStringLiteral("ListMaps")))
        list->setWindowState(list->windowState() | Qt::WindowMinimized);
    guarded([this] { RefreshManagerLists(); });
    QWidget* console = m_forms.load(QStringLiteral("MapMain"));
    if (!console) {
        m_state.ReturnFromManager = false;
        return;
    }
    console->show();
    console->raise();
    hide();
}

void MapManager::OpenFinder()
{
    guarded([this] {
        QWidget* finder = m_forms.load(QStringLiteral("FindMaps"));
        if (!finder)
            return;
        finder->show();
        finder->raise();
        hide();
    });
}

void MapManager::CancelManager()
{
    guarded([this] {
        m_state.ManagerSelection.clear();
        // The file list shows the folder list's folder again, with nothing selected.
        File1->setPath(Dir1->path());
        setStatus(QString());
        closeNameBox();
        m_mode = ManagerMode::Idle;
        clearPreview();
        RefreshManagerLists();
    });
    if (selectedName().isEmpty())
        BlankMapButtons();
    ShowFolderButtons();
    ShowToolButtons();
}

void MapManager::GoHome()
{
    guarded([this] {
        openListsAt(m_state.MapsFolder);
        RefreshManagerLists();
    });
    ShowToolButtons();
    BlankMapButtons();
    ShowFolderButtons();
}

} // namespace zv
