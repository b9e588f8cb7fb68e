#pragma once

#include <QHash>
#include <QTcpServer>
#include <QTcpSocket>

// A tiny web server on 127.0.0.1: it answers every request with the response it was given, or keeps
// silent to stand for a server that never answers.
class HttpStub : public QObject
{
public:
    HttpStub()
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { serve(socket); });
        });
    }

    QString url(const QString& path = QStringLiteral("/updates/bootcanvas.dat")) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path);
    }
    void respond(int status, const QByteArray& body)
    {
        respondRaw("HTTP/1.1 " + QByteArray::number(status) + " Status\r\nContent-Length: "
            + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
    }
    void respondRaw(const QByteArray& response) { m_response = response; }
    void keepSilent() { m_response.clear(); }

    QList<QByteArray> requests; // request lines, such as "GET /updates/bootcanvas.dat HTTP/1.1"

private:
    void serve(QTcpSocket* socket)
    {
        QByteArray& received = m_pending[socket];
        received += socket->readAll();
        if (!received.contains("\r\n\r\n"))
            return;
        requests.append(received.left(received.indexOf("\r\n")));
        received.clear();
        if (m_response.isEmpty())
            return;
        socket->write(m_response);
        socket->disconnectFromHost();
    }

    QTcpServer m_server;
    QByteArray m_response;
    QHash<QTcpSocket*, QByteArray> m_pending;
};

// A 127.0.0.1 address on which nothing listens.
inline QString deadAddress()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    return QStringLiteral("http://127.0.0.1:%1/updates/bootcanvas.dat").arg(server.serverPort());
}
