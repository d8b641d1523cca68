#include "RepositoryServer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

#include <memory>

namespace zv::scenario {

namespace {

const QByteArray kHeadEnd = "\r\n\r\n";

QByteArray ReasonOf(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 400:
        return "Bad Request";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    default:
        return "Error";
    }
}

QByteArray ContentTypeOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("html") || suffix == QLatin1String("htm"))
        return "text/html; charset=utf-8";
    if (suffix == QLatin1String("css"))
        return "text/css";
    if (suffix == QLatin1String("png"))
        return "image/png";
    return "application/octet-stream";
}

HttpReply Plain(int status)
{
    HttpReply reply;
    reply.status = status;
    reply.contentType = "text/html; charset=utf-8";
    reply.body = "<html><body><h1>" + QByteArray::number(status) + ' ' + ReasonOf(status) +
                 "</h1></body></html>\n";
    return reply;
}

// The file a request path names inside root; empty when it names none there.
QString FileOf(const QByteArray& target, const QString& root)
{
    QByteArray path = target;
    for (char end : {'?', '#'}) {
        if (const qsizetype at = path.indexOf(end); at >= 0)
            path.truncate(at);
    }
    const QString decoded = QUrl::fromPercentEncoding(path);
    if (!decoded.startsWith(QLatin1Char('/')) || decoded.contains(QLatin1Char('\\')))
        return QString();
    for (const QString& part : decoded.split(QLatin1Char('/'))) {
        if (part == QLatin1String(".."))
            return QString();
    }
    const QString rootFolder = QFileInfo(root).canonicalFilePath();
    const QFileInfo file(root + decoded);
    const QString real = file.canonicalFilePath();
    if (rootFolder.isEmpty() || real.isEmpty() || !real.startsWith(rootFolder + QLatin1Char('/')) ||
        !file.isFile())
        return QString();
    return real;
}

class Listener final : public QTcpServer {
public:
    explicit Listener(QString root) : m_root(std::move(root)) {}

protected:
    void incomingConnection(qintptr descriptor) override
    {
        auto* socket = new QTcpSocket(this);
        if (!socket->setSocketDescriptor(descriptor)) {
            delete socket;
            return;
        }
        auto received = std::make_shared<QByteArray>();
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket, received] {
            received->append(socket->readAll());
            if (!received->contains(kHeadEnd))
                return;
            socket->write(ReplyTo(*received, m_root).bytes());
            socket->disconnectFromHost();
        });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }

private:
    QString m_root;
};

} // namespace

QByteArray HttpReply::bytes() const
{
    QByteArray head = "HTTP/1.1 " + QByteArray::number(status) + ' ' + ReasonOf(status) + "\r\n";
    head += "Content-Type: " + contentType + "\r\n";
    head += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    if (!setCookie.isEmpty())
        head += "Set-Cookie: " + setCookie + "\r\n";
    head += "Connection: close\r\n\r\n";
    return withBody ? head + body : head;
}

HttpReply ReplyTo(const QByteArray& requestHead, const QString& root)
{
    const QList<QByteArray> request = requestHead.left(requestHead.indexOf("\r\n")).split(' ');
    if (request.size() != 3 || !request.at(2).startsWith("HTTP/"))
        return Plain(400);
    const QByteArray& method = request.at(0);
    if (method != "GET" && method != "HEAD")
        return Plain(405);
    const QString path = FileOf(request.at(1), root);
    HttpReply reply = Plain(404);
    QFile file(path);
    if (!path.isEmpty() && file.open(QIODevice::ReadOnly)) {
        reply.status = 200;
        reply.contentType = ContentTypeOf(path);
        reply.body = file.readAll();
        if (reply.contentType.startsWith("text/html"))
            reply.setCookie = "visited=1; Max-Age=3600; Path=/";
    }
    reply.withBody = method == "GET";
    return reply;
}

RepositoryServer::RepositoryServer(const QString& root)
{
    m_thread.setObjectName(QStringLiteral("repository server"));
    m_thread.start();
    auto* listener = new Listener(root);
    listener->moveToThread(&m_thread);
    m_listener = listener;
    quint16 port = 0;
    QMetaObject::invokeMethod(
        listener,
        [listener, &port] {
            if (listener->listen(QHostAddress::LocalHost, 0))
                port = listener->serverPort();
        },
        Qt::BlockingQueuedConnection);
    if (port != 0)
        m_base = QStringLiteral("http://127.0.0.1:%1").arg(port);
}

RepositoryServer::~RepositoryServer()
{
    QMetaObject::invokeMethod(m_listener, [listener = m_listener] { delete listener; },
                              Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
}

QString UnreachableBase()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0))
        return QStringLiteral("http://127.0.0.1:9");
    const quint16 port = probe.serverPort();
    probe.close();
    return QStringLiteral("http://127.0.0.1:%1").arg(port);
}

} // namespace zv::scenario
