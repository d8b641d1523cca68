// The browser engine module: QtWebEngine behind the program's BrowserComponent. The program loads
// it on first use only, so nothing of the engine is mapped while the program starts.

#include "platform/BrowserComponent.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QOpenGLContext>
#include <QPointer>
#include <QWebEngineDownloadRequest>
#include <QTimer>
#include <QWebEngineHistory>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <memory>

// Exported by Qt GUI. The engine renders through a context shared with the one the program's
// start would have made had it known about the engine; making it here, on first use, keeps that
// cost out of every start.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);

namespace zv {

namespace {

// The engine's error code for a navigation that ended without a page (net::ERR_ABORTED).
constexpr int kAborted = -3;

void ProvideShareContext()
{
    if (QOpenGLContext::globalShareContext())
        return;
    // Without a usable OpenGL (the offscreen platform) the engine draws in software; the
    // context only has to exist.
    auto* context = new QOpenGLContext;
    context->create();
    qt_gl_set_global_share_context(context);
}

// A private browsing profile: cookies, cache and history stay in memory and end with the window.
QWebEngineProfile* NewPrivateProfile()
{
    auto* profile = new QWebEngineProfile;
    profile->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
    return profile;
}

QString LinkClickScript(const QString& text)
{
    const QByteArray argument =
        QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QStringLiteral("(function (text) {"
                          "  for (const link of document.querySelectorAll('a[href]')) {"
                          "    if (link.textContent.trim() === text) { link.click(); return true; }"
                          "  }"
                          "  return false;"
                          "})(") +
           QString::fromUtf8(argument) + QStringLiteral("[0])");
}

class EngineBrowser final : public QWebEngineView, public BrowserComponent {
public:
    EngineBrowser(QWidget* parent, BrowserEvents events)
        : QWebEngineView(parent), m_events(std::move(events)), m_profile(NewPrivateProfile()),
          m_page(new QWebEnginePage(m_profile.get(), this))
    {
        setPage(m_page);
        connect(this, &QWebEngineView::loadStarted, this, [this] {
            m_loading = true;
            m_stopped = false;
        });
        connect(this, &QWebEngineView::loadProgress, this, [this](int percent) {
            report(percent, 100);
        });
        connect(this, &QWebEngineView::loadFinished, this, [this](bool) {
            m_loading = false;
            report(-1, 100);
        });
        // A link to a file ends its navigation as aborted just before the engine asks for the
        // download; until it does (or a moment has passed) the browser still counts as busy.
        m_awaitingDownload.setSingleShot(true);
        m_awaitingDownload.setInterval(5000);
        connect(m_page, &QWebEnginePage::loadingChanged, this,
                [this](const QWebEngineLoadingInfo& info) {
                    if (info.status() == QWebEngineLoadingInfo::LoadStoppedStatus &&
                        info.errorCode() == kAborted && !m_stopped)
                        m_awaitingDownload.start();
                });
        connect(m_profile.get(), &QWebEngineProfile::downloadRequested, this,
                [this](QWebEngineDownloadRequest* download) { onDownload(download); });
    }

    ~EngineBrowser() override
    {
        // The page goes before its profile.
        delete m_page;
    }

    QWidget* widget() override { return this; }

    void Navigate2(const QString& address) override
    {
        m_loading = true;
        load(QUrl(address));
    }
    void GoBack() override
    {
        if (history()->canGoBack()) {
            m_loading = true;
            back();
        }
    }
    void GoForward() override
    {
        if (history()->canGoForward()) {
            m_loading = true;
            forward();
        }
    }
    void Refresh2() override
    {
        if (!url().isEmpty()) {
            m_loading = true;
            reload();
        }
    }
    void Stop() override
    {
        m_stopped = true;
        stop();
    }

    QString LocationURL() const override { return url().toString(); }
    bool Busy() const override
    {
        return m_loading || m_downloads > 0 || m_awaitingDownload.isActive();
    }

    void FollowLink(const QString& text, std::function<void(bool)> done) override
    {
        m_page->runJavaScript(LinkClickScript(text), [done = std::move(done)](const QVariant& found) {
            done(found.toBool());
        });
    }

private:
    void report(qint32 progress, qint32 maximum)
    {
        if (m_events.progressChange)
            m_events.progressChange(progress, maximum);
    }

    void onDownload(QWebEngineDownloadRequest* download)
    {
        m_awaitingDownload.stop();
        const QString target = m_events.downloadRequested
                                   ? m_events.downloadRequested(download->suggestedFileName())
                                   : QString();
        if (target.isEmpty()) {
            download->cancel();
            return;
        }
        const qsizetype slash = target.lastIndexOf(QLatin1Char('/'));
        download->setDownloadDirectory(target.left(slash));
        download->setDownloadFileName(target.mid(slash + 1));
        ++m_downloads;
        QPointer<QWebEngineDownloadRequest> watched(download);
        const auto changed = [this, watched] {
            if (watched)
                onDownloadChanged(*watched);
        };
        connect(download, &QWebEngineDownloadRequest::receivedBytesChanged, this, changed);
        connect(download, &QWebEngineDownloadRequest::stateChanged, this, changed);
        download->accept();
    }

    void onDownloadChanged(QWebEngineDownloadRequest& download)
    {
        DownloadReport report;
        report.fileName = download.downloadFileName();
        report.received = download.receivedBytes();
        report.total = download.totalBytes();
        switch (download.state()) {
        case QWebEngineDownloadRequest::DownloadRequested:
        case QWebEngineDownloadRequest::DownloadInProgress:
            report.stage = DownloadReport::Stage::Receiving;
            break;
        case QWebEngineDownloadRequest::DownloadCompleted:
            report.stage = DownloadReport::Stage::Saved;
            break;
        case QWebEngineDownloadRequest::DownloadCancelled:
        case QWebEngineDownloadRequest::DownloadInterrupted:
            report.stage = DownloadReport::Stage::Failed;
            report.reason = download.interruptReasonString();
            break;
        }
        if (report.stage != DownloadReport::Stage::Receiving) {
            // Each download ends once; later signals of a finished one change nothing.
            disconnect(&download, nullptr, this, nullptr);
            --m_downloads;
        }
        if (m_events.downloadChanged)
            m_events.downloadChanged(report);
    }

    BrowserEvents m_events;
    std::unique_ptr<QWebEngineProfile> m_profile;
    QWebEnginePage* m_page;
    bool m_loading = false;
    bool m_stopped = false;
    int m_downloads = 0;
    QTimer m_awaitingDownload;
};

} // namespace

} // namespace zv

extern "C" Q_DECL_EXPORT zv::BrowserComponent* zvMakeBrowser(QWidget* parent,
                                                             zv::BrowserEvents* events)
{
    zv::ProvideShareContext();
    auto* browser = new zv::EngineBrowser(parent, std::move(*events));
    browser->setObjectName(QStringLiteral("WebBrowser1"));
    return browser;
}
