// The nearest-colour lookup against a plain search over the whole palette.
#include "images/nearestcolour.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace
{

int squaredDistance(QRgb entry, int r, int g, int b)
{
    const int dr = qRed(entry) - r, dg = qGreen(entry) - g, db = qBlue(entry) - b;
    return dr * dr + dg * dg + db * db;
}

int nearestDistance(const QList<QRgb>& palette, int r, int g, int b)
{
    int best = 1 << 30;
    for (const QRgb entry : palette)
        best = std::min(best, squaredDistance(entry, r, g, b));
    return best;
}

QList<QRgb> randomPalette(std::mt19937& random, int size, int spread)
{
    std::uniform_int_distribution<int> centre(0, 255), offset(-spread, spread);
    QList<QRgb> palette;
    const int c[3] = { centre(random), centre(random), centre(random) };
    for (int i = 0; i < size; ++i)
        palette.append(qRgb(std::clamp(c[0] + offset(random), 0, 255),
            std::clamp(c[1] + offset(random), 0, 255), std::clamp(c[2] + offset(random), 0, 255)));
    return palette;
}

// Queries that wander as neighbouring pixels do, with jumps now and then and values off the cube,
// as error diffusion asks them; every answer must be as near as the nearest entry.
TEST(NearestColour, AnswersAsNearAsAFullSearch)
{
    std::mt19937 random(7);
    const QList<QList<QRgb>> palettes = {
        randomPalette(random, 256, 128),
        randomPalette(random, 256, 12), // crowded: many entries share a lookup cell
        randomPalette(random, 40, 128) + randomPalette(random, 40, 128), // with far-apart clusters
        { qRgb(10, 10, 10), qRgb(10, 10, 10), qRgb(200, 30, 30) }, // a repeated entry
        { qRgb(0, 128, 255) },
    };
    std::uniform_int_distribution<int> any(-20, 275), step(-6, 6), jump(0, 30);
    for (const QList<QRgb>& palette : palettes) {
        images::NearestColour nearest(palette);
        int r = 128, g = 128, b = 128;
        for (int query = 0; query < 20000; ++query) {
            if (jump(random) == 0) {
                r = any(random), g = any(random), b = any(random);
            } else {
                r += step(random), g += step(random), b += step(random);
            }
            const int cr = std::clamp(r, 0, 255), cg = std::clamp(g, 0, 255), cb = std::clamp(b, 0, 255);
            const int index = nearest.find(r, g, b);
            ASSERT_GE(index, 0);
            ASSERT_LT(index, palette.size());
            ASSERT_EQ(squaredDistance(palette[index], cr, cg, cb), nearestDistance(palette, cr, cg, cb))
                << "query " << query << " (" << cr << ", " << cg << ", " << cb << ")";
            r = cr, g = cg, b = cb;
        }
    }
}

} // namespace
