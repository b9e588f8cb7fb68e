#include "webvrchk.h"

#include "updatefile.h"
#include "versionnumber.h"

#include "platform/machine.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <memory>

namespace
{

struct LaterDeleter {
    void operator()(QNetworkReply* reply) const { reply->deleteLater(); }
};

qint32 errorNumber(QNetworkReply::NetworkError error)
{
    if (error == QNetworkReply::ContentNotFoundError || error == QNetworkReply::ContentGoneError)
        return WebVrChk::FileNotFound;
    // Content (2xx) and server (4xx) codes mean the server answered, just not with the file.
    const bool answered
        = (error >= QNetworkReply::ContentAccessDenied && error < QNetworkReply::ProtocolUnknownError)
        || error >= QNetworkReply::InternalServerError;
    return answered ? WebVrChk::ServerRefused : WebVrChk::NoConnection;
}

} // namespace

WebVrChk::WebVrChk(QObject* parent)
    : QObject(parent)
    , m_network(new QNetworkAccessManager(this))
    , m_version(QStringLiteral(BOOTCANVAS_VERSION))
{
}

void WebVrChk::check()
{
    QNetworkRequest request(m_url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(5);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArrayLiteral("Bootcanvas/" BOOTCANVAS_VERSION));
    const std::unique_ptr<QNetworkReply, LaterDeleter> reply(m_network->get(request));

    switch (waitFor(reply.get())) {
    case Outcome::TooBig:
        Q_EMIT ErrorInDownload(UnreadableFile);
        return;
    case Outcome::TimedOut:
        Q_EMIT ErrorInDownload(NoConnection);
        return;
    case Outcome::Finished:
        break;
    }
    if (reply->error() != QNetworkReply::NoError) {
        Q_EMIT ErrorInDownload(errorNumber(reply->error()));
        return;
    }
    announce(reply->readAll(), reply->url());
}

WebVrChk::Outcome WebVrChk::waitFor(QNetworkReply* reply)
{
    Outcome outcome = Outcome::Finished;
    QEventLoop loop;
    auto stop = [&](Outcome why) {
        if (outcome == Outcome::Finished && !reply->isFinished()) {
            outcome = why;
            reply->abort();
        }
    };
    QTimer deadline;
    deadline.setSingleShot(true);
    connect(&deadline, &QTimer::timeout, &loop, [&] { stop(Outcome::TimedOut); });
    connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    // An oversized file is refused as soon as its size is known, before it is read into memory.
    connect(reply, &QNetworkReply::metaDataChanged, &loop, [&] {
        bool known = false;
        const qint64 length = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&known);
        if (known && length > UpdateFile::MaxBytes)
            stop(Outcome::TooBig);
    });
    connect(reply, &QNetworkReply::readyRead, &loop, [&] {
        if (reply->bytesAvailable() > UpdateFile::MaxBytes)
            stop(Outcome::TooBig);
    });
    deadline.start(m_timeoutMs);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    return outcome;
}

void WebVrChk::announce(const QByteArray& body, const QUrl& fileAddress)
{
    const std::optional<UpdateFile> file = UpdateFile::parse(body);
    if (!file) {
        Q_EMIT ErrorInDownload(UnreadableFile);
        return;
    }
    const std::optional<VersionNumber> announced = VersionNumber::parse(file->version);
    const std::optional<VersionNumber> installed = VersionNumber::parse(m_version);
    if (installed && !announced->isNewerThan(*installed))
        return;
    const QUrl download = fileAddress.resolved(QUrl(file->download));
    Q_EMIT UpdateAvailable(file->version, download.toString(), file->abstract, file->description);
}

QUrl updateFileAddress()
{
    QString address;
    if (platform::hasCurrentMachine())
        address = platform::currentMachine()
                      .value(QStringLiteral("Online"), QStringLiteral("UpdateUrl"))
                      .trimmed();
    if (address.isEmpty())
        address = QStringLiteral(BOOTCANVAS_UPDATE_URL);
    return QUrl(address);
}
