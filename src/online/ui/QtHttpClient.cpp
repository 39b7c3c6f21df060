// Blocking GET over QNetworkAccessManager.
#include "online/ui/QtHttpClient.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <memory>

namespace {

// Errors below this code are failures of the connection or the proxy; from
// it on the server has answered (with an error status or a bad reply).
constexpr int FirstAnswerErrorCode = QNetworkReply::ContentAccessDenied;

// The response header as the server sent it: the status line, then each
// header line.
std::string HeaderText(QNetworkReply& Reply, int Status) {
    const bool Http2 = Reply.attribute(QNetworkRequest::Http2WasUsedAttribute).toBool();
    const QByteArray Reason =
        Reply.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toByteArray();
    QByteArray Text = (Http2 ? "HTTP/2 " : "HTTP/1.1 ") + QByteArray::number(Status);
    if (!Reason.isEmpty())
        Text += ' ' + Reason;
    Text += "\r\n";
    for (const QNetworkReply::RawHeaderPair& Pair : Reply.rawHeaderPairs())
        Text += Pair.first + ": " + Pair.second + "\r\n";
    return Text.toStdString();
}

} // namespace

THttpResponse TQtHttpClient::Get(const std::string& Url, int TimeoutMs,
                                 const std::string& ProxyHost, int ProxyPort) {
    THttpResponse Result;
    const QUrl Address(QString::fromStdString(Url));
    if (!Address.isValid() || Address.host().isEmpty()) {
        Result.Error = "Invalid address";
        return Result;
    }
    QNetworkAccessManager Manager;
    if (ProxyHost.empty()) {
        Manager.setProxy(QNetworkProxy::NoProxy);
    } else {
        if (ProxyPort < 1 || ProxyPort > 65535) {
            Result.Error = "Invalid proxy port";
            return Result;
        }
        Manager.setProxy(QNetworkProxy(QNetworkProxy::HttpProxy, QString::fromStdString(ProxyHost),
                                       static_cast<quint16>(ProxyPort)));
    }

    QNetworkRequest Request(Address);
    // A redirection is an answer of its own, as any other status.
    Request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    Request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);

    // Destroyed before the manager that made it.
    const std::unique_ptr<QNetworkReply> Reply(Manager.get(Request));
    QEventLoop Loop;
    QTimer Timer;
    Timer.setSingleShot(true);
    Timer.setTimerType(Qt::PreciseTimer); // a coarse timer may end the wait early
    bool TimedOut = false;
    QObject::connect(Reply.get(), &QNetworkReply::finished, &Loop, &QEventLoop::quit);
    QObject::connect(&Timer, &QTimer::timeout, &Loop, [&TimedOut, &Reply] {
        TimedOut = true;
        Reply->abort(); // emits finished, which ends the loop
    });
    Timer.start(std::max(0, TimeoutMs));
    if (!Reply->isFinished())
        Loop.exec(QEventLoop::ExcludeUserInputEvents);
    Timer.stop();

    const QVariant Status = Reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const QNetworkReply::NetworkError Error = Reply->error();
    const bool Answered = Error == QNetworkReply::NoError || Error >= FirstAnswerErrorCode;
    if (TimedOut || !Answered || !Status.isValid()) {
        Result.Error = TimedOut ? "Time-out" : Reply->errorString().toStdString();
        return Result;
    }
    Result.Connected = true;
    Result.Status = Status.toInt();
    Result.Header = HeaderText(*Reply, Result.Status);
    const QByteArray Body = Reply->readAll();
    Result.Body.assign(Body.constData(), static_cast<size_t>(Body.size()));
    return Result;
}
