// A small HTTP server for widget tests on 127.0.0.1: each request is answered
// by a handler of the test, or not at all. It runs on the test's thread; the
// blocking client's wait lets it work. It stops with the object.
#pragma once

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// A complete reply with the given status line ("HTTP/1.1 200 OK") and body.
inline std::string HttpReply(const std::string& StatusLine, const std::string& Body) {
    return StatusLine +
           "\r\nContent-Type: text/plain\r\nContent-Length: " + std::to_string(Body.size()) +
           "\r\nConnection: close\r\n\r\n" + Body;
}

class TLocalHttpServer {
public:
    // Given the request line ("GET /path HTTP/1.1"), the whole reply to send;
    // nothing keeps the connection open without an answer.
    using THandler = std::function<std::optional<std::string>(const std::string& RequestLine)>;

    TLocalHttpServer() {
        Listening = FServer.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&FServer, &QTcpServer::newConnection, &FServer, [this] {
            while (QTcpSocket* Socket = FServer.nextPendingConnection())
                Accept(Socket); // the server owns the socket
        });
    }

    quint16 Port() const { return FServer.serverPort(); }
    // "127.0.0.1:port", as a host name setting takes it.
    std::string Host() const { return "127.0.0.1:" + std::to_string(Port()); }

    bool Listening = false;
    THandler Handler = [](const std::string&) {
        return std::optional<std::string>(HttpReply("HTTP/1.1 200 OK", "hello"));
    };
    std::vector<std::string> RequestLines;
    // Runs when a request has arrived, before it is answered.
    std::function<void()> OnRequest;

private:
    void Accept(QTcpSocket* Socket) {
        auto Received = std::make_shared<QByteArray>();
        QObject::connect(Socket, &QTcpSocket::readyRead, Socket, [this, Socket, Received] {
            Received->append(Socket->readAll());
            if (Received->indexOf("\r\n\r\n") < 0)
                return;
            const std::string Line = Received->left(Received->indexOf("\r\n")).toStdString();
            Received->clear();
            RequestLines.push_back(Line);
            if (OnRequest)
                OnRequest();
            const std::optional<std::string> Reply = Handler(Line);
            if (!Reply)
                return;
            Socket->write(Reply->data(), static_cast<qint64>(Reply->size()));
            Socket->disconnectFromHost();
        });
    }

    QTcpServer FServer;
};

// A port on 127.0.0.1 that nothing listens on; 0 when none could be found.
inline quint16 ClosedLocalPort() {
    QTcpServer Probe;
    if (!Probe.listen(QHostAddress::LocalHost, 0))
        return 0;
    const quint16 Port = Probe.serverPort();
    Probe.close();
    return Port;
}
