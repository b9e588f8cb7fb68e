// Every test program runs its windows on the offscreen platform, with one QApplication.
// BOOTCANVAS_TEST_PLATFORM names another (xcb under xvfb-run) for checks of what reaches a display.

#include "diskimage/imagedrives.h"
#include "platformui/popupaccessibility.h"
#include "windows/pictureboxaccessible.h"
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    const QByteArray platform = qgetenv("BOOTCANVAS_TEST_PLATFORM");
    qputenv("QT_QPA_PLATFORM", platform.isEmpty() ? QByteArray("offscreen") : platform);
    installPopupAccessibility(); // as the program does
    installPictureBoxAccessibility();
    diskimage::useImageDrives();
    // What the tests' disk images leave in the cache stays out of the user's own. Static, so that
    // it goes after the images still open at exit (a mounted export cannot be removed).
    static const QTemporaryDir cache;
    qputenv("XDG_CACHE_HOME", QFile::encodeName(cache.path()));
    // ...and so do the window sizes and folders the tests' windows remember.
    const QTemporaryDir state;
    qputenv("XDG_STATE_HOME", QFile::encodeName(state.path()));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
