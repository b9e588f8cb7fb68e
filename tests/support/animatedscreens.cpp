#include "animatedscreens.h"

#include "images/bmpencoder.h"

#include <vector>

namespace fixtures
{

QList<QRgb> numberedPalette()
{
    QList<QRgb> palette;
    for (int i = 0; i < 256; ++i)
        palette.append(qRgb(i, 255 - i, (i * 7) % 256));
    return palette;
}

QByteArray animatedScreen(int width, int height, int first, const QList<QRgb>& colours)
{
    const int band = first == 0 ? 236 : first;
    std::vector<quint8> indices(size_t(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            indices[size_t(y) * width + x] = y >= height * 9 / 10 ? quint8(band + x * (256 - band) / width)
                                                                  : quint8((x / 8 + y / 8) % band);
    std::vector<quint8> palette;
    for (QRgb c : colours)
        palette.insert(palette.end(), { quint8(qBlue(c)), quint8(qGreen(c)), quint8(qRed(c)), 0 });
    return images::encodeBmp8(indices, width, height, palette, 256, first);
}

} // namespace fixtures
