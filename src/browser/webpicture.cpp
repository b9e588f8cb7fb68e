#include "webpicture.h"

#include "app/attempt.h"
#include "app/systemfolders.h"
#include "platform/files.h"
#include "platform/winpath.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QMimeData>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProgressDialog>
#include <QUrl>

namespace
{

// The first address of the data that a web page gave: http or https, not a local file.
QUrl webAddress(const QMimeData& data)
{
    for (const QUrl& url : data.urls())
        if (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"))
            return url;
    // Some browsers give the address as text only.
    const QUrl typed(data.text().trimmed(), QUrl::StrictMode);
    if (typed.isValid()
        && (typed.scheme() == QLatin1String("http") || typed.scheme() == QLatin1String("https")))
        return typed;
    return {};
}

QString tooBig()
{
    return QCoreApplication::translate(
        "WebPicture", "the picture is larger than the limit of %1 MiB for a download")
        .arg(MaxDownloadBytes / (1024 * 1024));
}

// Fetches the address into memory, following redirects, with a dialog that shows the progress.
QByteArray download(const QUrl& url, QWidget* parent, QString& problem, bool& cancelled)
{
    QNetworkAccessManager network;
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply* reply = network.get(request);
    QProgressDialog progress(
        QCoreApplication::translate("WebPicture", "Downloading %1...").arg(url.toDisplayString()),
        QCoreApplication::translate("WebPicture", "Cancel"), 0, 0, parent);
    progress.setWindowTitle(QCoreApplication::translate("WebPicture", "Picture from the web"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    // Without a first value the dialog waits for progress to show itself, and a server that keeps
    // silent would leave the user nothing to cancel.
    progress.setValue(0);
    QByteArray bytes;
    QEventLoop loop;
    const auto refuse = [&](const QString& why) {
        problem = why;
        reply->abort();
    };
    QObject::connect(reply, &QNetworkReply::metaDataChanged, &loop, [&] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > MaxDownloadBytes)
            refuse(tooBig());
    });
    QObject::connect(reply, &QNetworkReply::readyRead, &loop, [&] {
        bytes += reply->readAll();
        if (bytes.size() > MaxDownloadBytes)
            refuse(tooBig());
    });
    QObject::connect(reply, &QNetworkReply::downloadProgress, &progress, [&](qint64 received, qint64 total) {
        progress.setMaximum(int(std::min(total, MaxDownloadBytes) / 1024));
        progress.setValue(int(std::min(received, MaxDownloadBytes) / 1024));
    });
    QObject::connect(&progress, &QProgressDialog::canceled, &loop, [&] {
        cancelled = true;
        reply->abort();
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished())
        loop.exec();
    bytes += reply->readAll();
    if (problem.isEmpty() && !cancelled && reply->error() != QNetworkReply::NoError)
        problem
            = QCoreApplication::translate("WebPicture", "the download failed: %1").arg(reply->errorString());
    reply->deleteLater();
    return problem.isEmpty() && !cancelled ? bytes : QByteArray();
}

// Image data as a PNG file's bytes; browsers give decoded pictures, not their files.
QByteArray encodedImage(const QMimeData& data)
{
    const QImage image = qvariant_cast<QImage>(data.imageData());
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (image.isNull() || !buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        return {};
    return bytes;
}

// The first local file the data names (a file manager's drag or copy); empty when none.
QString localFile(const QMimeData& data)
{
    for (const QUrl& url : data.urls())
        if (url.isLocalFile())
            return url.toLocalFile();
    return {};
}

ArrivedPicture savedAsTemporary(const QByteArray& bytes)
{
    ArrivedPicture arrived;
    QString file;
    if (!attempt([&] {
            file = GetTempFile();
            platform::writeFileAtomically(file, bytes);
        })) {
        arrived.problem = QCoreApplication::translate(
            "WebPicture", "the picture cannot be saved in the temporary folder");
        if (!file.isEmpty())
            attempt([&] { platform::Kill(file); });
        return arrived;
    }
    arrived.file = file;
    return arrived;
}

} // namespace

bool carriesOutsidePicture(const QMimeData& data)
{
    return localFile(data).isEmpty() && (data.hasImage() || webAddress(data).isValid());
}

ArrivedPicture receiveOutsidePicture(const QMimeData& data, QWidget* parent)
{
    ArrivedPicture arrived;
    QByteArray bytes;
    bool cancelled = false;
    if (data.hasImage())
        bytes = encodedImage(data);
    else if (const QUrl url = webAddress(data); url.isValid())
        bytes = download(url, parent, arrived.problem, cancelled);
    if (cancelled || !arrived.problem.isEmpty())
        return arrived;
    if (bytes.isEmpty()) {
        arrived.problem = QCoreApplication::translate("WebPicture", "no picture came with it");
        return arrived;
    }
    return savedAsTemporary(bytes);
}

bool carriesLocalFile(const QMimeData& data)
{
    return !localFile(data).isEmpty();
}

ArrivedPicture receiveLocalPicture(const QMimeData& data)
{
    const QString hostPath = localFile(data);
    if (const QString windowsPath = platform::windowsPathFor(hostPath); !windowsPath.isEmpty())
        return { windowsPath, QString(), false };
    // No drive of the machine holds it: the browser works on a copy of its own.
    QFile file(hostPath);
    if (!file.open(QIODevice::ReadOnly))
        return { QString(), file.errorString(), false };
    if (file.size() > MaxDownloadBytes)
        return { QString(), tooBig(), false };
    return savedAsTemporary(file.readAll());
}
