#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace zv {

// How far a download has come, as the browser reports it.
struct DownloadReport {
    enum class Stage {
        Receiving, // bytes are arriving
        Saved,     // the whole file is in its place
        Failed,    // the engine gave up; reason says why
    };
    Stage stage = Stage::Receiving;
    QString fileName; // the name it is saved under
    qint64 received = 0;
    qint64 total = -1; // -1 while the size is not known
    QString reason;
};

// What the embedded browser tells its window. Every call comes on the window thread.
struct BrowserEvents {
    // Load progress of the page: progress out of maximum, and progress -1 once the load ends.
    std::function<void(qint32 progress, qint32 maximum)> progressChange;
    // A link led to a file to keep: the host path to save it at, or an empty text to refuse it.
    std::function<QString(const QString& suggestedName)> downloadRequested;
    std::function<void(const DownloadReport& report)> downloadChanged;
};

// The embedded web browser. It lives as long as its widget: deleting the widget, or the
// widget's parent, ends the browser too.
class BrowserComponent {
public:
    virtual ~BrowserComponent() = default;

    virtual QWidget* widget() = 0;

    // Starts loading the page and returns at once.
    virtual void Navigate2(const QString& address) = 0;
    // Move in the browser's own history; nothing happens when there is nothing to go to.
    virtual void GoBack() = 0;
    virtual void GoForward() = 0;
    virtual void Refresh2() = 0;
    virtual void Stop() = 0;

    // The address of the page shown; empty before the first page has arrived.
    virtual QString LocationURL() const = 0;
    // A page or a download is still on its way.
    virtual bool Busy() const = 0;

    // Clicks the first link of the page whose text is text, as the user would; done learns
    // whether there was one.
    virtual void FollowLink(const QString& text, std::function<void(bool found)> done) = 0;
};

// Makes a browser inside parent. On failure it returns nullptr and, when whyNot is given, says
// why in a sentence for the user.
using BrowserMaker =
    std::function<BrowserComponent*(QWidget* parent, BrowserEvents events, QString* whyNot)>;

} // namespace zv
