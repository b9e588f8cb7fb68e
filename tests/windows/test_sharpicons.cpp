#include "windows/imagelist.h"

#include <QIcon>
#include <QPixmap>
#include <gtest/gtest.h>

// On a desktop scaled to 200 % the list's icons are drawn with twice the pixels, not blown up.
TEST(SharpIcons, ImageListIconsHaveADoubleSizeDrawing)
{
    for (const char* key : { "image", "closed", "up", "singlelogo", "multilogo", "sys" }) {
        const QIcon icon = imageListIcon(QLatin1String(key));
        const QPixmap normal = icon.pixmap(QSize(16, 16), 1.0);
        const QPixmap doubled = icon.pixmap(QSize(16, 16), 2.0);
        EXPECT_EQ(normal.size(), QSize(16, 16)) << key;
        EXPECT_EQ(doubled.size(), QSize(32, 32)) << key;
        EXPECT_EQ(doubled.devicePixelRatio(), 2.0) << key;
        // Drawn again, not the small one scaled: some 2 x 2 block is not one colour.
        const QImage image = doubled.toImage();
        bool finer = false;
        for (int y = 0; y < 32 && !finer; y += 2)
            for (int x = 0; x < 32 && !finer; x += 2)
                finer = image.pixel(x, y) != image.pixel(x + 1, y)
                    || image.pixel(x, y) != image.pixel(x, y + 1);
        EXPECT_TRUE(finer) << key;
    }
}
