#include "shell.h"

#include "windowspath.h"
#include "winpath.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace platform
{

namespace
{

std::function<bool(const QString&)>& shellOpener()
{
    static std::function<bool(const QString&)> instance;
    return instance;
}

} // namespace

QUrl shellUrlFor(const QString& target)
{
    if (target.isEmpty())
        return {};
    const QUrl url(target, QUrl::StrictMode);
    if (!looksLikeWindowsPath(target) && url.isValid() && url.scheme().size() > 1)
        return url;
    const QString hostPath = resolveToHostOrEmpty(target);
    if (hostPath.isEmpty() || !QFileInfo::exists(hostPath))
        return {};
    return QUrl::fromLocalFile(hostPath);
}

bool shellOpen(const QString& target)
{
    if (shellOpener())
        return shellOpener()(target);
    const QUrl url = shellUrlFor(target);
    return url.isValid() && QDesktopServices::openUrl(url);
}

void setShellOpener(std::function<bool(const QString&)> opener)
{
    shellOpener() = std::move(opener);
}

} // namespace platform
