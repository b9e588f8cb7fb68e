// Every test program runs its windows on the offscreen platform, with one QApplication.
#include "platformui/popupaccessibility.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    installPopupAccessibility(); // as the program does
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
