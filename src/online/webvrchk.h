#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

// The version-check component: fetches the update file at `url`, compares the release it announces
// with `version`, and raises at most one of its two events before check() returns. While it waits,
// the event loop keeps windows painted but takes no user input.
class WebVrChk : public QObject
{
    Q_OBJECT
public:
    // ErrorInDownload's numbers.
    enum DownloadError : qint32 {
        FileNotFound = -1, // the server answered "not found"
        NoConnection = -2, // the server cannot be reached, or did not answer in time
        UnreadableFile = -3, // the file is malformed or too big
        ServerRefused = -4, // any other answer than the file
    };
    static constexpr int DefaultTimeoutMs = 15000;

    explicit WebVrChk(QObject* parent = nullptr);

    QUrl url() const { return m_url; }
    void setUrl(const QUrl& url) { m_url = url; }
    QString version() const { return m_version; }
    void setVersion(const QString& version) { m_version = version; }
    // The longest a whole check may take, from asking to the last byte.
    int timeoutMs() const { return m_timeoutMs; }
    void setTimeoutMs(int milliseconds) { m_timeoutMs = milliseconds; }

    void check();

Q_SIGNALS:
    void UpdateAvailable(const QString& sNewVersion, const QString& sDownloadURL, const QString& sAbstract,
        const QString& sCustomData);
    void ErrorInDownload(qint32 Error);

private:
    enum class Outcome { Finished, TimedOut, TooBig };
    Outcome waitFor(QNetworkReply* reply);
    void announce(const QByteArray& body, const QUrl& fileAddress);

    QNetworkAccessManager* m_network;
    QUrl m_url;
    QString m_version;
    int m_timeoutMs = DefaultTimeoutMs;
};

// Where the update file is published: the machine's [Online] UpdateUrl, else the address the program
// was built with.
QUrl updateFileAddress();
