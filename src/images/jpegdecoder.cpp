#include "images/jpegdecoder.h"

#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE and size_t declared first

#include <jpeglib.h>

namespace images
{

namespace
{

// A progressive picture's coefficients stay in memory until its last scan: a 64 Mi-pixel colour
// picture needs 384 MiB of them.
constexpr long MaxDecoderMemory = 512L * 1024 * 1024;
// A hostile progressive file can hold thousands of tiny scans, each a pass over the whole picture.
constexpr int MaxScans = 500;

struct ErrorManager {
    jpeg_error_mgr base; // first, so libjpeg's pointer to it also points to the whole
    std::jmp_buf jump;
};

[[noreturn]] void abandon(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

// Warnings about corrupt data only tell what the decoder patched up; truncation is checked apart.
void ignoreMessage(j_common_ptr, int) {}

void limitScans(j_common_ptr info)
{
    if (reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > MaxScans)
        abandon(info);
}

// Plain data only: a jump out of libjpeg must leave nothing behind to destroy.
struct Job {
    const uchar* data = nullptr;
    unsigned long size = 0;
    bool headerOnly = false;
    int minimumWidth = 0, minimumHeight = 0; // zero: full size
    int width = 0, height = 0; // as the header declares them
    unsigned eighths = 8; // the scale decoded at
    // Gives the rows of a width x height RGB32 picture, or null when it cannot be had.
    uchar* (*allocate)(void* owner, int width, int height, qsizetype* stride) = nullptr;
    void* owner = nullptr;
};

void chooseScale(jpeg_decompress_struct& info, int minimumWidth, int minimumHeight)
{
    info.scale_denom = 8;
    for (unsigned eighths = 1; eighths <= 8; ++eighths) {
        info.scale_num = eighths;
        jpeg_calc_output_dimensions(&info);
        if (int(info.output_width) >= minimumWidth && int(info.output_height) >= minimumHeight)
            return;
    }
}

// CMYK from JPEGs is stored inverted, as the common writers store it: each byte is 255 - ink.
void cmykRowToRgb(const JSAMPLE* in, int width, QRgb* out)
{
    auto times = [](int a, int b) { return (a * b + 127) / 255; };
    for (int x = 0; x < width; ++x, in += 4)
        out[x] = qRgb(times(in[0], in[3]), times(in[1], in[3]), times(in[2], in[3]));
}

bool readRows(jpeg_decompress_struct& info, Job& job)
{
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRA;
    if (job.minimumWidth > 0 || job.minimumHeight > 0)
        chooseScale(info, job.minimumWidth, job.minimumHeight);
    job.eighths = info.scale_num * 8 / info.scale_denom;
    jpeg_start_decompress(&info);
    const int width = int(info.output_width);
    qsizetype stride = 0;
    uchar* pixels = job.allocate(job.owner, width, int(info.output_height), &stride);
    if (!pixels)
        return false;
    JSAMPARRAY cmykRow
        = cmyk ? (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE, width * 4, 1)
               : nullptr;
    while (info.output_scanline < info.output_height) {
        uchar* target = pixels + stride * qsizetype(info.output_scanline);
        JSAMPROW row = cmyk ? cmykRow[0] : target;
        jpeg_read_scanlines(&info, &row, 1);
        if (cmyk)
            cmykRowToRgb(row, width, reinterpret_cast<QRgb*>(target));
    }
    jpeg_finish_decompress(&info);
    return true;
}

// Every libjpeg call happens below the setjmp here, and no frame between it and libjpeg holds an
// object with a destructor, so the error handler's long jump skips nothing.
bool runDecoder(Job& job)
{
    jpeg_decompress_struct info {};
    ErrorManager errors {};
    jpeg_progress_mgr progress {};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = abandon;
    errors.base.emit_message = ignoreMessage;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    info.mem->max_memory_to_use = MaxDecoderMemory;
    progress.progress_monitor = limitScans;
    info.progress = &progress;
    jpeg_mem_src(&info, job.data, job.size);
    jpeg_read_header(&info, TRUE);
    job.width = int(info.image_width);
    job.height = int(info.image_height);
    const bool ok = job.headerOnly || readRows(info, job);
    jpeg_destroy_decompress(&info);
    return ok;
}

Job jobFor(const uchar* data, qint64 size)
{
    Job job;
    job.data = data;
    job.size = size > 0 ? (unsigned long)size : 0;
    return job;
}

uchar* allocateImage(void* owner, int width, int height, qsizetype* stride)
{
    QImage& image = *static_cast<QImage*>(owner);
    image = QImage(width, height, QImage::Format_RGB32);
    *stride = image.bytesPerLine();
    return image.isNull() ? nullptr : image.bits();
}

} // namespace

QSize jpegHeaderSize(const uchar* data, qint64 size)
{
    Job job = jobFor(data, size);
    job.headerOnly = true;
    if (job.size == 0 || !runDecoder(job))
        return {};
    return QSize(job.width, job.height);
}

DecodedJpeg decodeJpeg(const uchar* data, qint64 size, QSize minimum)
{
    DecodedJpeg result;
    Job job = jobFor(data, size);
    job.minimumWidth = std::max(minimum.width(), 0);
    job.minimumHeight = std::max(minimum.height(), 0);
    job.allocate = allocateImage;
    job.owner = &result.image;
    if (job.size == 0 || !runDecoder(job))
        return {};
    result.scale = job.eighths / 8.0;
    return result;
}

} // namespace images
