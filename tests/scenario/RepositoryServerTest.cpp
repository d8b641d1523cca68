#include "RepositoryServer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zv::scenario {
namespace {

class RepositoryReplies : public ::testing::Test {
protected:
    QTemporaryDir temporary;
    QString root;

    void SetUp() override
    {
        root = temporary.filePath(QStringLiteral("repository"));
        QDir().mkpath(root + QStringLiteral("/archive/Zorvane"));
        write(QStringLiteral("/archive/Zorvane/index.html"), "<html>index</html>");
        write(QStringLiteral("/archive/Zorvane/Sample Marsh.exe"), QByteArray("MZ\0\1", 4));
        // Beside the repository, never served.
        QFile secret(temporary.filePath(QStringLiteral("secret.txt")));
        ASSERT_TRUE(secret.open(QIODevice::WriteOnly));
        secret.write("secret");
    }

    void write(const QString& path, const QByteArray& bytes)
    {
        QFile file(root + path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
};

TEST_F(RepositoryReplies, ServesFilesBelowTheRootOnly)
{
    const struct {
        const char* request;
        int status;
        const char* type;
        QByteArray body;
    } cases[] = {
        {"GET /archive/Zorvane/index.html HTTP/1.1", 200, "text/html; charset=utf-8", "<html>index</html>"},
        {"GET /archive/Zorvane/index.html?x=1#top HTTP/1.1", 200, "text/html; charset=utf-8", "<html>index</html>"},
        {"GET /archive/Zorvane/Sample%20Marsh.exe HTTP/1.1", 200, "application/octet-stream", QByteArray("MZ\0\1", 4)},
        {"HEAD /archive/Zorvane/index.html HTTP/1.1", 200, "text/html; charset=utf-8", ""},
        {"GET /archive/Zorvane/missing.html HTTP/1.1", 404, nullptr, {}},
        {"GET /archive/Zorvane HTTP/1.1", 404, nullptr, {}},
        {"GET /../secret.txt HTTP/1.1", 404, nullptr, {}},
        {"GET /archive/%2e%2e/%2e%2e/../secret.txt HTTP/1.1", 404, nullptr, {}},
        {"GET /archive\\..\\..\\secret.txt HTTP/1.1", 404, nullptr, {}},
        {"POST /archive/Zorvane/index.html HTTP/1.1", 405, nullptr, {}},
        {"nonsense", 400, nullptr, {}},
    };
    for (const auto& c : cases) {
        const HttpReply reply = ReplyTo(QByteArray(c.request) + "\r\nHost: x\r\n\r\n", root);
        EXPECT_EQ(reply.status, c.status) << c.request;
        if (c.type) {
            EXPECT_EQ(reply.contentType, QByteArray(c.type)) << c.request;
            EXPECT_EQ(reply.withBody ? reply.body : QByteArray(), c.body) << c.request;
        }
        EXPECT_FALSE(reply.body.contains("secret")) << c.request;
    }
}

TEST_F(RepositoryReplies, AHeadReplyAnnouncesTheBodyItLeavesOut)
{
    const HttpReply reply =
        ReplyTo("HEAD /archive/Zorvane/index.html HTTP/1.1\r\n\r\n", root);
    const QByteArray bytes = reply.bytes();
    EXPECT_TRUE(bytes.contains("Content-Length: 18\r\n"));
    EXPECT_TRUE(bytes.endsWith("\r\n\r\n"));
}

} // namespace
} // namespace zv::scenario
