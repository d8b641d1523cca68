#pragma once

#include "core/Notes.h"
#include "frame/Forms.h"
#include "frame/SkinnedWindow.h"
#include "frame/WindowContext.h"

#include <functional>
#include <vector>

class QLabel;
class QPlainTextEdit;

namespace zv {

class FileListBox;
class ImageButton;
class MDIForm1;
class MessageBoxes;
class NotesBackdrop;

// The console: the current game's maps and the stored maps side by side, the
// preview of the selected map, the game switch, store and install, the way to
// the map manager and the notes panel.
class MapMain final : public SkinnedWindow, public Form {
    Q_OBJECT
public:
    explicit MapMain(const WindowContext& context);
    ~MapMain() override;

    // Form
    void Load() override; // LoadConsole
    void Unload() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // How a map of a list came to be selected: a click (or a choice made with
    // the keyboard inside the list), or the list receiving the keyboard focus.
    enum class Trigger { Click, Focus };

    // The pictures of a move button: idle, lit while a map of its list is
    // selected, and while its command runs.
    struct ButtonLooks {
        const char* idle;
        const char* lit;
        const char* running;
    };

    // One of the two lists with what goes with it: the state field holding the
    // selected map, the button that moves a map out of it and that button's
    // companion picture.
    struct ListSide {
        FileListBox* list;
        QString ProgramState::*selected;
        ImageButton* button;
        QLabel* companion;
        ButtonLooks looks;
        bool focusClearsNote;
        bool showButtonWhenNothingSelected;
    };

    using Step = std::function<void()>;

    // LoadConsole's steps, run in order under its failure rules.
    void placeConsole();
    void applyGameDecision();
    void showGameLook(const QString& game);
    void placePreviewBox(const QString& game);
    void closeNotesPanel();
    void showIdleButtons();
    bool runLoadStep(const Step& step);

    // Image7 Click and Image6 MouseDown.
    void ToggleGame();
    void OpenManager();

    // Selections and moves.
    void SelectGameMap(Trigger trigger);
    void SelectStoredMap(Trigger trigger);
    void selectMap(const ListSide& side, const ListSide& other, Trigger trigger);
    void StoreMap();
    void InstallMap();
    void moveMap(const ListSide& from, const ListSide& to);
    bool runMoveStep(const ListSide& from, const ListSide& to, const Step& step);
    void showPreview(const QString& path);
    void clearPreview();

    // Notes.
    void StoreNote();
    void LookUpNote(const QString& mapName);
    void ToggleNotesPanel();
    void ClearNote();

    ProgramState& m_state;
    const Services& m_services;
    MessageBoxes& m_messages;
    Forms& m_forms;
    MDIForm1& m_frame;

    // The name of the game picture chosen by the load's game decision.
    QString m_gamePicture;
    // The bare name of the last selected map, for the note lookup.
    QString m_selectedName;
    NoteTable m_noteTable;

    QLabel* Image1;
    QLabel* Image2;
    QLabel* Image4;
    QLabel* Image12;
    QLabel* Image13;
    NotesBackdrop* Shape1;
    FileListBox* File1;
    FileListBox* File2;
    ImageButton* Image7;
    QLabel* Image10;
    QLabel* Image11;
    ImageButton* Image8;
    ImageButton* Image9;
    QLabel* ImageMap;
    ImageButton* Image6;
    ImageButton* DropNotepad;
    QPlainTextEdit* Text1;
    ImageButton* Image3;
    ImageButton* Image5;

    ListSide m_gameSide;
    ListSide m_storedSide;
};

} // namespace zv
