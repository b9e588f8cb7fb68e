#pragma once

#include <QTextStream>

// The terminal's output and error streams, for the command-line tool and the companion programs.
inline QTextStream& standardOutput()
{
    static QTextStream stream(stdout);
    return stream;
}

inline QTextStream& standardError()
{
    static QTextStream stream(stderr);
    return stream;
}
