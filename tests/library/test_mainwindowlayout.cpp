// The main window grows from its 1998 layout: the list and the previews take the room.
#include "libraryfixture.h"

#include "library/mainwindowlayout.h"
#include "windows/picturebox.h"

TEST(MainWindowLayout, DesignedSizeIsTheOldLayoutAndMoreRoomGrowsListAndPreviews)
{
    const MainWindowLayout designed = mainWindowLayout(mainWindowDesignSize());
    EXPECT_EQ(designed.list, QRect(0, 24, 355, 193));
    EXPECT_EQ(designed.previews[0], QRect(2, 224, 112, 89));
    EXPECT_EQ(designed.previews[2], QRect(240, 224, 113, 89));
    EXPECT_EQ(designed.captions[1].top(), 316);
    // Smaller than designed is laid out as designed (the window does not go below it).
    EXPECT_EQ(mainWindowLayout(QSize(100, 100)).list, designed.list);

    const QSize area(1000, 740);
    const MainWindowLayout large = mainWindowLayout(area);
    for (int i = 0; i < 3; ++i) {
        const QRect preview = large.previews[i];
        EXPECT_GE(preview.width(), 2 * designed.previews[i].width()) << i;
        EXPECT_NEAR(preview.height(), preview.width() * 3 / 4, 1) << i;
        EXPECT_TRUE(QRect(QPoint(), area).contains(large.captions[i])) << i;
        EXPECT_EQ(large.captions[i].top(), preview.bottom() + 4) << i;
        if (i > 0) {
            EXPECT_GT(preview.left(), large.previews[i - 1].right()) << i;
        }
    }
    EXPECT_EQ(large.list.width(), 995);
    EXPECT_EQ(large.list.bottom() + 8, large.previews[0].top());
    EXPECT_GT(large.list.height(), 2 * designed.list.height());

    // Wide but low: the list keeps its designed height and the previews stay in their shape.
    const MainWindowLayout low = mainWindowLayout(QSize(1000, 400));
    EXPECT_EQ(low.list.height(), designed.list.height());
    EXPECT_EQ(low.previews[0].height(), 133);
    EXPECT_EQ(low.previews[0].width(), 177);
}

TEST_F(LibraryTest, MainWindowStartsAtItsDesignedSizeAndItsPreviewsGrowWithIt)
{
    Principale& w = openWindow();
    w.show();
    QWidget* area = w.centralWidget();
    EXPECT_EQ(area->size(), mainWindowDesignSize());
    auto* preview = child<PictureBox>(w, "Imag0");
    EXPECT_EQ(preview->width(), 112);

    w.resize(1000, 800);
    EXPECT_GE(preview->width(), 224);
    EXPECT_GE(list()->height(), 2 * 193);
    w.resize(50, 50);
    EXPECT_EQ(area->size(), mainWindowDesignSize());
    w.hide();
}
