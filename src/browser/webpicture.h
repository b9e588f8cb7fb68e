#pragma once

#include <QString>

class QMimeData;
class QWidget;

// Pictures that arrive from outside the file system: an http(s) address dragged from a web page,
// image data dragged or pasted. Each is written to a temporary file that the caller owns.

// The most a download may bring.
constexpr qint64 MaxDownloadBytes = qint64(64) * 1024 * 1024;

// Whether the data holds a web address or image data, and no local file.
bool carriesOutsidePicture(const QMimeData& data);

struct ArrivedPicture {
    QString file; // a Windows path holding the picture; empty on failure
    QString problem; // why there is no picture, one line for people; empty when cancelled or done
    bool temporary = true; // `file` is a temporary file the caller owns and deletes
};

// Writes the image data, or downloads the address with a progress dialog over `parent` that can be
// cancelled, into a new temporary file.
ArrivedPicture receiveOutsidePicture(const QMimeData& data, QWidget* parent);

// Whether the data names a local file, as a file manager's drag or copy does.
bool carriesLocalFile(const QMimeData& data);
// That file as a Windows path of the machine, through the drive that holds it (not temporary), or
// else copied into a new temporary file.
ArrivedPicture receiveLocalPicture(const QMimeData& data);
