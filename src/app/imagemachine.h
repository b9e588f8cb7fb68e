#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The machine kept for a disk image opened with --image: drive C is the image, its Windows folder
// is the one the image's MSDOS.SYS names, and the program folder with the logo library is the
// default machine's on the host, so one library serves every virtual machine.

// $XDG_DATA_HOME/bootcanvas/images/<name>-<hash of the image's path>.
QString imageMachineFolder(const QString& imagePath);
// Creates that machine on first use (and the default machine, when it is missing) and makes it
// the machine in use for this process and the programs it starts. Throws platform::FileError.
void useImageMachine(const QString& imagePath);
// Takes "--image PATH" off the front of `arguments`; nothing when absent. Throws
// std::invalid_argument for "--image" without a path.
std::optional<QString> takeImageOption(QStringList& arguments);
