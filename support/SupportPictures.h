#pragma once

#include <QString>

#include <vector>

namespace zv {

// One picture of the Support folder beside the program. The windows load these files by name
// at run time; the generator draws each one at build time from this entry.
struct SupportPicture {
    enum class Kind {
        ButtonOff,       // idle look of an image button, and buttons that have a single look
        ButtonOn,        // lit or armed look of an image button
        BlankButton,     // the disabled look of a manager button; no caption
        GamePicture,     // a picture of one of the two games
        WindowSkin,      // background of a shaped window, drawn from its top-left corner
        FrameBackground, // background of the main frame
        StockPreview,    // preview of a stock map, copied beside the map by the repair
        PageButtonOff,   // download browser page button, not chosen
        PageButtonOn,    // download browser page button, chosen
        Other,           // decoration: list frames, labels, arrows, the About banner
    };

    QString name;    // file name inside the Support folder
    int width = 0;   // pixels
    int height = 0;  // pixels
    QString caption; // the text drawn on the picture
    Kind kind = Kind::Other;
};

// Every picture the program loads at run time, grouped by the window that shows it.
const std::vector<SupportPicture>& SupportPictures();

// The picture with exactly this file name (no folder), or nullptr.
const SupportPicture* FindSupportPicture(const QString& name);

} // namespace zv
