#include "Install.h"

#include "core/FailureTexts.h"
#include "frame/MDIForm1.h"
#include "platform/DriveTable.h"
#include "platform/Failure.h"
#include "platform/Launcher.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramPath.h"
#include "widgets/FileLists.h"
#include "widgets/ImageButton.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace zv {

namespace {

// The file-type choices of List1, in list order, and the pattern each gives the file list.
struct FileType {
    const char* caption;
    const QString& pattern;
};
const FileType kFileTypes[] = {
    {"Self-extracting EXE files", kPackagePattern},
    {"All files", kAllFilesPattern},
};

const QString kChooseAFile = QStringLiteral("Please select a file to install");
const QString kNotSuccessful = QStringLiteral("Installation was not successful");

QString StepFailureMessage(const Failure& failure)
{
    return QStringLiteral("Unable to open this type of file from Zorvane.  See the Help file for "
                          "alternatives.  Error number ") +
           NumberColonDescription(failure);
}

// "c:" for a program path on drive C; empty for a path without a drive.
QString DriveNameOf(const QString& path)
{
    const auto letter = DriveLetterOf(path);
    return letter ? QString(*letter) + QLatin1Char(':') : QString();
}

QString RootOf(const QString& drive)
{
    return drive.left(1).toUpper() + QStringLiteral(":\\");
}

} // namespace

Install::Install(const WindowContext& context)
    : SkinnedWindow(QStringLiteral("Install"), context.forms.mainFrame().clientArea(), context.images,
                    context.screen),
      m_services(context.services), m_messages(context.messages),
      m_launcher(context.launcher), m_forms(context.forms),
      Drive1(new DriveListBox(context.services.drives, QStringLiteral("Drive1"), this)),
      Dir1(new DirListBox(context.services.files, QStringLiteral("Dir1"), this)),
      File1(new FileListBox(context.services.files, QStringLiteral("File1"), this)),
      Label1(Named(new QLabel(QStringLiteral("Name of compressed map file:"), this), QStringLiteral("Label1"))),
      Text1(Named(new QLineEdit(this), QStringLiteral("Text1"))),
      Label2(Named(new QLabel(QStringLiteral("Type of file:"), this), QStringLiteral("Label2"))),
      List1(Named(new QListWidget(this), QStringLiteral("List1"))),
      Image2(new ImageButton(context.images, QStringLiteral("Image2"), this)),
      Label3(Named(new QLabel(this), QStringLiteral("Label3"))),
      Image1(new ImageButton(context.images, QStringLiteral("Image1"), this))
{
    setWindowTitle(QStringLiteral("  Installer"));
    place(Drive1, 43, 98, 204, 23);
    place(Dir1, 43, 134, 204, 96);
    place(File1, 254, 98, 206, 132);
    place(Label1, 64, 259, 149, 20);
    place(Text1, 215, 258, 248, 21);
    place(Label2, 150, 299, 61, 20);
    place(List1, 215, 299, 248, 15);
    place(Image2, 44, 289, 94, 36);
    place(Label3, 62, 333, 382, 20);
    place(Image1, 438, 45, 20, 22);

    // The captions end at the boxes they name.
    QFont small(QStringLiteral("Arial"));
    small.setPointSizeF(7.5);
    for (QLabel* label : {Label1, Label2, Label3}) {
        label->setStyleSheet(QStringLiteral("color: #e8e0c8; background: transparent;"));
        label->setFont(small);
    }
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label3->setAlignment(Qt::AlignCenter);
    // The name is shown, not used: the file list's selection is what is started.
    Text1->setReadOnly(true);
    // One entry shows at a time in the list's small height; the other scrolls into view.
    List1->setFrameShape(QFrame::NoFrame);
    List1->setStyleSheet(QStringLiteral("QListWidget { font-size: 8pt; }"));
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    try {
        Image2->setPicture(QStringLiteral("InstallPackage.bmp"));
    } catch (const Failure&) {
        // Without its picture the button is still a hot spot.
    }
    Image1->setToolTip(QStringLiteral("Close"));
    Image2->setToolTip(QStringLiteral("Install"));

    connect(Drive1, &DriveListBox::driveChanged, this, &Install::Drive1_Change);
    connect(Dir1, &DirListBox::pathChanged, this, &Install::Dir1_Change);
    connect(Dir1, &DirListBox::openFailed, this, &Install::Dir1_OpenFailed);
    connect(File1, &FileListBox::clicked, this, &Install::File1_Click);
    connect(List1, &QListWidget::itemClicked, this, &Install::SetFileType);
    connect(Image2, &ImageButton::clicked, this, &Install::RunPackage);
    connect(Image1, &ImageButton::clicked, this, &Install::Image1_Click);
}

void Install::Load()
{
    applyShape();
    for (const FileType& type : kFileTypes)
        List1->addItem(QString::fromLatin1(type.caption));
    List1->setCurrentRow(-1);
    Text1->clear();
    Label3->clear();
    File1->setPattern(kPackagePattern);
    const QString folder = m_services.programFolder;
    Drive1->setDrive(DriveNameOf(folder));
    showFolder(folder);
    centreOnTwips(m_forms.mainFrame().outerSizeTwips());
}

void Install::Unload()
{
    releaseShape();
}

bool Install::showFolder(const QString& folder)
{
    try {
        Dir1->setPath(folder); // the file list follows through Dir1_Change
        return true;
    } catch (const Failure&) {
        return false;
    }
}

// A drive that cannot be read keeps the lists where they were, and the status line says why.
void Install::Drive1_Change(const QString& drive)
{
    Label3->clear();
    const QString remembered = m_folderOnDrive.value(drive);
    if (!remembered.isEmpty() && showFolder(remembered))
        return;
    try {
        Dir1->setPath(RootOf(drive));
    } catch (const Failure& failure) {
        Drive1->setDrive(DriveNameOf(Dir1->path()));
        Label3->setText(QStringLiteral("Drive ") + drive + QStringLiteral(" cannot be read: ") +
                        failure.description());
    }
}

void Install::Dir1_Change(const QString& folder)
{
    try {
        File1->setPath(folder);
    } catch (const Failure&) {
        // The folder list has moved on; the file list keeps what it showed.
    }
    const QString drive = DriveNameOf(folder);
    if (!drive.isEmpty())
        m_folderOnDrive.insert(drive, folder);
    Label3->clear();
}

// A folder that went away meanwhile disappears from the list.
void Install::Dir1_OpenFailed()
{
    try {
        Dir1->refresh();
    } catch (const Failure&) {
    }
}

void Install::File1_Click()
{
    Text1->setText(File1->fileName());
    Label3->clear();
}

void Install::SetFileType()
{
    const int row = List1->currentRow();
    if (row >= 0 && row < static_cast<int>(std::size(kFileTypes)))
        File1->setPattern(kFileTypes[row].pattern);
    try {
        Dir1->refresh();
        File1->refresh();
    } catch (const Failure&) {
    }
    Label3->clear();
}

template <typename Step> bool Install::runStep(Step step)
{
    try {
        step();
        return true;
    } catch (const Failure& failure) {
        m_messages.show(StepFailureMessage(failure));
        return false;
    }
}

void Install::RunPackage()
{
    Label3->clear();
    const QString name = File1->fileName();
    if (name.trimmed().isEmpty()) {
        Label3->setText(kChooseAFile);
        return;
    }
    qint64 process = 0;
    runStep([&] { process = m_launcher.start(JoinPath(File1->path(), name)); });
    if (process == 0) {
        Label3->setText(kNotSuccessful);
    } else {
        Label3->clear();
        Text1->clear();
    }
    runStep([&] { Dir1->refresh(); });
    runStep([&] { File1->refresh(); });
}

// Back to the download browser, which stayed loaded (hidden) while the installer was open.
void Install::Image1_Click()
{
    if (QWidget* browser = m_forms.loaded(QStringLiteral("Grabber"))) {
        browser->show();
        browser->raise();
        browser->activateWindow();
    }
    m_forms.unload(objectName());
}

} // namespace zv
