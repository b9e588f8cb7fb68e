#include "droppedfolders.h"

#include "platform/windowspath.h"
#include "platform/winpath.h"

#include <QMimeData>
#include <QUrl>

namespace
{

// Upper-cased components with the drive first, so that paths compare as Windows compares them.
std::optional<QStringList> comparable(const QString& path)
{
    try {
        const platform::WindowsPath parsed = platform::parseWindowsPath(path);
        QStringList parts { QString(parsed.drive) };
        for (const QString& part : parsed.parts)
            parts.append(part.toUpper());
        return parts;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

bool startsWith(const QStringList& path, const QStringList& prefix)
{
    return path.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), path.begin());
}

} // namespace

std::optional<QStringList> droppedWindowsPaths(const QMimeData& data)
{
    if (!data.hasUrls() || data.data(QStringLiteral("text/uri-list")).size() > MaxDroppedListBytes)
        return std::nullopt;
    QStringList paths;
    for (const QUrl& url : data.urls()) {
        if (paths.size() == MaxDroppedPaths)
            break;
        if (!url.isLocalFile())
            continue;
        const QString windowsPath = platform::windowsPathFor(url.toLocalFile());
        if (!windowsPath.isEmpty())
            paths.append(windowsPath);
    }
    return paths;
}

bool isImportableFolder(const QString& folder, const QString& logoPath)
{
    const std::optional<QStringList> source = comparable(folder);
    const std::optional<QStringList> library = comparable(logoPath);
    if (!source || !library || source->size() < 2)
        return false;
    const QStringList parent = source->mid(0, source->size() - 1);
    return parent != *library && !startsWith(*library, *source);
}

bool isLogoPackFile(const QString& path)
{
    return path.endsWith(QLatin1String(".zip"), Qt::CaseInsensitive);
}
