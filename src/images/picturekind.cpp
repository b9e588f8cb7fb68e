#include "images/picturekind.h"

#include <QFile>

#include <algorithm>
#include <cstring>

namespace images
{

namespace
{

struct Signature {
    PictureKind kind;
    qint64 offset;
    const char* bytes;
    qint64 length;
};

// A WebP is a RIFF file of form "WEBP"; the four bytes between are the RIFF size.
constexpr Signature Signatures[] = {
    { PictureKind::Bmp, 0, "BM", 2 },
    { PictureKind::Gif, 0, "GIF87a", 6 },
    { PictureKind::Gif, 0, "GIF89a", 6 },
    { PictureKind::Jpeg, 0, "\xff\xd8\xff", 3 },
    { PictureKind::Png, 0, "\x89PNG\r\n\x1a\n", 8 },
    { PictureKind::WebP, 0, "RIFF", 4 },
    { PictureKind::WebP, 8, "WEBP", 4 },
    { PictureKind::Tiff, 0, "II*\0", 4 },
    { PictureKind::Tiff, 0, "MM\0*", 4 },
};

// How the bytes there are stand to a signature: all of it present, only a matching beginning
// (the file ends inside it), or a byte that differs.
enum class Match { Whole, Prefix, Differs };

Match matchOf(const Signature& signature, const uchar* bytes, qint64 size)
{
    const qint64 present = std::clamp<qint64>(size - signature.offset, 0, signature.length);
    if (present > 0 && std::memcmp(bytes + signature.offset, signature.bytes, size_t(present)) != 0)
        return Match::Differs;
    return present == signature.length ? Match::Whole : Match::Prefix;
}

// Whether the signature of `kind` is all there (`wanted` Whole) or at least not contradicted.
bool kindMatches(PictureKind kind, const uchar* bytes, qint64 size, Match wanted)
{
    const auto ofKind = [&](const Signature& s) { return s.kind == kind; };
    // GIF and TIFF have two alternative signatures; WebP's two parts must both hold.
    const bool alternatives = kind == PictureKind::Gif || kind == PictureKind::Tiff;
    const auto holds = [&](const Signature& s) {
        const Match match = matchOf(s, bytes, size);
        return wanted == Match::Whole ? match == Match::Whole : match != Match::Differs;
    };
    bool any = false, all = true;
    for (const Signature& signature : Signatures) {
        if (!ofKind(signature))
            continue;
        const bool ok = holds(signature);
        any = any || ok;
        all = all && ok;
    }
    return alternatives ? any : all;
}

constexpr PictureKind Kinds[] = { PictureKind::Bmp, PictureKind::Gif, PictureKind::Jpeg, PictureKind::Png,
    PictureKind::WebP, PictureKind::Tiff };

// Enough for the longest signature.
constexpr qint64 SignatureBytes = 12;

} // namespace

QString upperExtension(const QString& fileName)
{
    const qsizetype slash = std::max(fileName.lastIndexOf(u'\\'), fileName.lastIndexOf(u'/'));
    const qsizetype dot = fileName.lastIndexOf(u'.');
    return dot > slash ? fileName.mid(dot).toUpper() : QString();
}

PictureKind kindNamedBy(const QString& fileName)
{
    static const std::pair<const char*, PictureKind> names[] = {
        { ".BMP", PictureKind::Bmp },
        { ".SYS", PictureKind::Bmp },
        { ".GIF", PictureKind::Gif },
        { ".JPG", PictureKind::Jpeg },
        { ".JPEG", PictureKind::Jpeg },
        { ".JPE", PictureKind::Jpeg },
        { ".PNG", PictureKind::Png },
        { ".WEBP", PictureKind::WebP },
        { ".TIF", PictureKind::Tiff },
        { ".TIFF", PictureKind::Tiff },
    };
    const QString extension = upperExtension(fileName);
    for (const auto& [name, kind] : names)
        if (extension == QLatin1String(name))
            return kind;
    return PictureKind::Any;
}

PictureKind kindOfContent(const uchar* bytes, qint64 size, const QString& fileName)
{
    for (PictureKind kind : Kinds)
        if (kindMatches(kind, bytes, size, Match::Whole))
            return kind;
    const PictureKind named = kindNamedBy(fileName);
    if (named != PictureKind::Any && kindMatches(named, bytes, size, Match::Prefix))
        return named;
    return PictureKind::Any;
}

PictureKind kindOfHostFile(const QString& hostPath)
{
    QFile file(hostPath);
    if (hostPath.isEmpty() || !file.open(QIODevice::ReadOnly))
        return PictureKind::Any;
    const QByteArray head = file.read(SignatureBytes);
    return kindOfContent(reinterpret_cast<const uchar*>(head.constData()), head.size(), hostPath);
}

QString kindName(PictureKind kind)
{
    switch (kind) {
    case PictureKind::Bmp:
        return QStringLiteral("BMP");
    case PictureKind::Gif:
        return QStringLiteral("GIF");
    case PictureKind::Jpeg:
        return QStringLiteral("JPEG");
    case PictureKind::Png:
        return QStringLiteral("PNG");
    case PictureKind::WebP:
        return QStringLiteral("WebP");
    case PictureKind::Tiff:
        return QStringLiteral("TIFF");
    case PictureKind::Any:
        break;
    }
    return {};
}

} // namespace images
