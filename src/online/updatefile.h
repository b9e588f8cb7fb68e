#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The update file a web server publishes to announce the latest release (README: "The update
// file"). UTF-8 text of at most MaxBytes:
//
//   # comment lines start with "#" or ";"; blank lines are skipped
//   [Update]
//   Version=4.0.1
//   Download=https://example.org/bootcanvas-4.0.1.tar.gz
//   Abstract=One line about the release
//   Description=First line of the text shown to the user
//   Description=Each further Description line adds a line
//
// "[Update]" comes first. Keys are matched without regard to case; Version and Download are
// required, Version, Download and Abstract appear at most once; other keys and later sections are
// ignored, so newer files stay readable. Anything else is refused.
struct UpdateFile {
    static constexpr qint64 MaxBytes = 64 * 1024;

    QString version;
    QString download; // absolute http(s) address, or relative to the update file's address
    QString abstract;
    QString description;

    // Empty, with the reason in `error`, when the text is refused.
    static std::optional<UpdateFile> parse(const QByteArray& bytes, QString* error = nullptr);
};
