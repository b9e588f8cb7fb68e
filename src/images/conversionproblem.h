#pragma once

#include <QString>

namespace images
{

// Why no logo screen could be made of the host file `source` at the host path `destination`, as
// one line for people: "<path>: <reason>". Called after a conversion failed; it looks at both
// files again, so it names the first problem it finds, the source's before the destination's.
QString conversionProblem(const QString& source, const QString& destination);

// Why the host file `fileName` cannot be read as a picture, or empty when it can.
QString pictureProblem(const QString& fileName);

// The same reason without the path in front: "truncated: the file ends before its picture does".
QString pictureReason(const QString& fileName);

} // namespace images
