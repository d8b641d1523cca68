#pragma once

#include <QByteArray>
#include <QString>
#include <QThread>

namespace zv::scenario {

// One HTTP reply as the test server sends it.
struct HttpReply {
    int status = 200;
    QByteArray contentType;
    QByteArray body;
    bool withBody = true; // false for HEAD
    QByteArray setCookie;

    QByteArray bytes() const;
};

// The reply to a request head ("GET /path HTTP/1.1\r\n...") for the files below root: GET and
// HEAD of files inside root only, everything else 404 or 405. HTML pages set a cookie that
// lasts an hour, so that a browser keeping cookies on disk would show it.
HttpReply ReplyTo(const QByteArray& requestHead, const QString& root);

// The map repository's pages served on the loopback interface from a thread of their own, so
// that pages load while the scenario waits in any way.
class RepositoryServer {
public:
    explicit RepositoryServer(const QString& root);
    ~RepositoryServer();
    RepositoryServer(const RepositoryServer&) = delete;
    RepositoryServer& operator=(const RepositoryServer&) = delete;

    // "http://127.0.0.1:PORT"; empty when no port could be had.
    const QString& base() const { return m_base; }

private:
    QThread m_thread;
    QObject* m_listener = nullptr;
    QString m_base;
};

// An address on this machine where nothing answers: a loopback port that was free a moment ago.
QString UnreachableBase();

} // namespace zv::scenario
