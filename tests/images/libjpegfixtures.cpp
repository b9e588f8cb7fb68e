#include "libjpegfixtures.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace fixtures
{

QByteArray encodeWithLibjpeg(const std::vector<unsigned char>& samples, int width, int height, int components,
    const LibjpegOptions& options)
{
    jpeg_compress_struct info {};
    jpeg_error_mgr errors {};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = components;
    info.in_color_space = components == 1 ? JCS_GRAYSCALE : components == 3 ? JCS_RGB : JCS_CMYK;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, options.quality, TRUE);
    info.comp_info[0].h_samp_factor = info.comp_info[0].v_samp_factor = options.lumaSampling;
    info.restart_in_rows = options.restartRows;
    if (options.progressive)
        jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        auto* row = const_cast<JSAMPLE*>(samples.data() + size_t(info.next_scanline) * width * components);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray bytes(reinterpret_cast<const char*>(buffer), qsizetype(size));
    std::free(buffer);
    return bytes;
}

QByteArray encodeWithLibjpeg(const QImage& image, const LibjpegOptions& options)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    std::vector<unsigned char> samples;
    for (int y = 0; y < rgb.height(); ++y)
        samples.insert(samples.end(), rgb.constScanLine(y), rgb.constScanLine(y) + rgb.width() * 3);
    return encodeWithLibjpeg(samples, rgb.width(), rgb.height(), 3, options);
}

QImage decodeWithLibjpeg(const QByteArray& jpeg, unsigned eighths)
{
    jpeg_decompress_struct info {};
    jpeg_error_mgr errors {};
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(jpeg.constData()), (unsigned long)jpeg.size());
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_EXT_BGRA;
    info.scale_num = eighths;
    info.scale_denom = 8;
    jpeg_start_decompress(&info);
    QImage image(int(info.output_width), int(info.output_height), QImage::Format_RGB32);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return image;
}

QImage detailedPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    unsigned noise = 12345;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            noise = noise * 1103515245 + 12345;
            const int grain = int(noise >> 27); // 0..31
            const int wave = int(60 * std::sin(x * 0.37) * std::cos(y * 0.23));
            image.setPixel(x, y,
                qRgb(std::clamp(x * 255 / width + grain, 0, 255), std::clamp(128 + wave + grain, 0, 255),
                    std::clamp(y * 255 / height - grain + 16, 0, 255)));
        }
    return image;
}

} // namespace fixtures
