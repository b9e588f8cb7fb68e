#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QTcpServer>
#include <QTcpSocket>

// A tiny web server on 127.0.0.1 for the online check: it answers every request with the response
// it was given, or keeps silent to stand for a server that never answers.
class HttpStub : public QObject
{
public:
    HttpStub()
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection())
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { serve(socket); });
        });
    }

    QString url(const QString& path = QStringLiteral("/updates/bootcanvas.dat")) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path);
    }

    void respond(int status, const QByteArray& body, const QByteArray& extraHeaders = {})
    {
        m_response = "HTTP/1.1 " + QByteArray::number(status) + " Status\r\nContent-Type: text/plain\r\n"
            + "Content-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n"
            + extraHeaders + "\r\n" + body;
        m_silent = false;
    }
    // The whole answer as given, headers and all.
    void respondRaw(const QByteArray& response)
    {
        m_response = response;
        m_silent = false;
    }
    void keepSilent() { m_silent = true; }

    QList<QByteArray> requests; // request lines received, e.g. "GET /updates/bootcanvas.dat HTTP/1.1"

private:
    void serve(QTcpSocket* socket)
    {
        QByteArray& received = m_pending[socket];
        received += socket->readAll();
        if (!received.contains("\r\n\r\n"))
            return;
        requests.append(received.left(received.indexOf("\r\n")));
        received.clear();
        if (m_silent)
            return;
        socket->write(m_response);
        socket->disconnectFromHost();
    }

    QTcpServer m_server;
    QByteArray m_response;
    bool m_silent = false;
    QHash<QTcpSocket*, QByteArray> m_pending;
};

// A 127.0.0.1 address on which nothing listens.
inline QString deadAddress()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    const quint16 port = server.serverPort();
    server.close();
    return QStringLiteral("http://127.0.0.1:%1/updates/bootcanvas.dat").arg(port);
}
