#include "images/jpegdecoder.h"

#include "images/jpegcoefficients.h"
#include "images/jpegrangesource.h"
#include "images/jpegscans.h"

#include <csetjmp>
#include <memory>
#include <optional>
#include <system_error>
#include <thread>

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
void ignoreMessage(j_common_ptr, int) { }

// One libjpeg decoder and what it works from. Plain data only: a jump out of libjpeg must leave
// nothing behind to destroy.
struct Decoder {
    jpeg_decompress_struct info;
    ErrorManager errors;
    JpegRangeSource source;
    CoefficientView coefficients;
    const uchar* data;
    unsigned long size;
    const ByteRange* ranges; // the parts of the file this decoder reads; null: all of it
    int rangeCount;
    bool writesPicture; // false: it only fills its scans' coefficients into the shared store
    int minimumWidth, minimumHeight; // zero: full size
    unsigned eighths; // the scale decoded at
    JpegRowSink* sink; // where the picture's rows go
};

Decoder decoderFor(const uchar* data, qint64 size, const std::vector<ByteRange>& ranges)
{
    Decoder decoder {};
    decoder.data = data;
    decoder.size = size > 0 ? (unsigned long)size : 0;
    decoder.ranges = ranges.empty() ? nullptr : ranges.data();
    decoder.rangeCount = int(ranges.size());
    decoder.eighths = 8;
    return decoder;
}

// Every libjpeg call happens below the setjmp here, and no frame between it and libjpeg holds an
// object with a destructor, so the error handler's long jump skips nothing.
bool guarded(Decoder& decoder, bool (*step)(Decoder&))
{
    if (setjmp(decoder.errors.jump))
        return false;
    return step(decoder);
}

bool openAndReadHeader(Decoder& d)
{
    d.info.err = jpeg_std_error(&d.errors.base);
    d.errors.base.error_exit = abandon;
    d.errors.base.emit_message = ignoreMessage;
    jpeg_create_decompress(&d.info);
    d.info.mem->max_memory_to_use = MaxDecoderMemory;
    if (d.ranges)
        useRangeSource(d.info, d.source, d.data, d.ranges, d.rangeCount);
    else
        jpeg_mem_src(&d.info, d.data, d.size);
    jpeg_read_header(&d.info, TRUE);
    return true;
}

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

bool isCmyk(const jpeg_decompress_struct& info)
{
    return info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
}

// A file of several scans is decoded into the coefficient store first and written out after its
// last scan. Smoothing only guesses coefficients a scan has not brought yet; the shared store has
// them all once both decoders are done, though neither decoder saw the other's scans.
bool startDecoding(Decoder& d)
{
    d.info.buffered_image = d.coefficients.arrays ? TRUE : FALSE;
    d.info.do_block_smoothing = FALSE;
    if (!d.writesPicture) {
        d.info.scale_num = 1; // its output side is set up but never run: keep it small
        d.info.scale_denom = 8;
    } else {
        d.info.out_color_space = isCmyk(d.info) ? JCS_CMYK : JCS_EXT_BGRA;
        if (d.minimumWidth > 0 || d.minimumHeight > 0)
            chooseScale(d.info, d.minimumWidth, d.minimumHeight);
        d.eighths = d.info.scale_num * 8 / d.info.scale_denom;
    }
    jpeg_start_decompress(&d.info);
    return true;
}

// Every file of several scans comes through here (one of a single scan refuses a second one), so
// this is where their number is held to the limit.
bool consumeAllInput(Decoder& d)
{
    for (;;) {
        const int status = jpeg_consume_input(&d.info);
        if (status == JPEG_REACHED_EOI)
            return true;
        if (status == JPEG_SUSPENDED || d.info.input_scan_number > MaxScans)
            return false;
    }
}

// CMYK from JPEGs is stored inverted, as the common writers store it: each byte is 255 - ink.
void cmykRowToRgb(const JSAMPLE* in, int width, QRgb* out)
{
    auto times = [](int a, int b) { return (a * b + 127) / 255; };
    for (int x = 0; x < width; ++x, in += 4)
        out[x] = qRgb(times(in[0], in[3]), times(in[1], in[3]), times(in[2], in[3]));
}

bool writeRows(Decoder& d)
{
    jpeg_decompress_struct& info = d.info;
    if (info.buffered_image)
        jpeg_start_output(&info, info.input_scan_number);
    const int width = int(info.output_width);
    const QSize picture(int(info.image_width), int(info.image_height));
    if (!d.sink->start(QSize(width, int(info.output_height)), picture, d.eighths / 8.0))
        return false;
    const bool cmyk = info.out_color_space == JCS_CMYK;
    JSAMPARRAY cmykRow = cmyk
        ? (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE, width * 4, 1)
        : nullptr;
    while (info.output_scanline < info.output_height) {
        QRgb* target = d.sink->nextRow();
        JSAMPROW row = cmyk ? cmykRow[0] : reinterpret_cast<JSAMPROW>(target);
        jpeg_read_scanlines(&info, &row, 1);
        if (cmyk)
            cmykRowToRgb(row, width, target);
        d.sink->rowWritten();
    }
    if (info.buffered_image)
        jpeg_finish_output(&info);
    jpeg_finish_decompress(&info);
    return true;
}

bool fillCoefficients(Decoder& d, CoefficientStore& store)
{
    bool ok = guarded(d, openAndReadHeader);
    if (ok) {
        d.coefficients = store.view();
        useCoefficientView(d.info, d.coefficients);
    }
    ok = ok && guarded(d, startDecoding) && guarded(d, consumeAllInput);
    jpeg_destroy_decompress(&d.info);
    return ok;
}

// Runs `second` on another thread while `first` takes in its own scans; on this thread when no
// thread can be had.
bool consumeSideBySide(Decoder& first, Decoder& second, CoefficientStore& store)
{
    bool secondOk = false;
    std::optional<std::thread> helper;
    try {
        helper.emplace([&] { secondOk = fillCoefficients(second, store); });
    } catch (const std::system_error&) {
        return fillCoefficients(second, store) && guarded(first, consumeAllInput);
    }
    const bool firstOk = guarded(first, consumeAllInput);
    helper->join();
    return firstOk && secondOk;
}

struct ScanSplit {
    std::vector<ByteRange> first, second; // both empty: one decoder reads the whole file
};

ScanSplit splitScans(const uchar* data, qint64 size)
{
    const std::vector<JpegScan> scans = findJpegScans(data, size, MaxScans);
    std::vector<bool> toSecond = scansForSecondDecoder(scans);
    if (toSecond.empty())
        return {};
    ScanSplit split;
    split.first = fileWithout(scans, toSecond, size);
    toSecond.flip();
    split.second = fileWithout(scans, toSecond, size);
    return split;
}

// The whole decode of `first`, with a second decoder beside it when the file's scans split.
bool decodePicture(Decoder& first, const ScanSplit& split)
{
    if (!guarded(first, openAndReadHeader))
        return false;
    std::unique_ptr<CoefficientStore> store;
    if (jpeg_has_multiple_scans(&first.info)) {
        store = std::make_unique<CoefficientStore>(first.info, MaxDecoderMemory);
        if (!store->ok())
            return false;
        first.coefficients = store->view();
        useCoefficientView(first.info, first.coefficients);
    } else if (!split.second.empty()) {
        return false; // scans that only a progressive file can have, in a file that is not one
    }
    if (!guarded(first, startDecoding))
        return false;
    if (!split.second.empty()) {
        Decoder second = decoderFor(first.data, qint64(first.size), split.second);
        if (!consumeSideBySide(first, second, *store))
            return false;
    } else if (store && !guarded(first, consumeAllInput)) {
        return false;
    }
    return guarded(first, writeRows);
}

// Keeps the whole picture.
class PictureSink : public JpegRowSink
{
public:
    explicit PictureSink(DecodedJpeg& picture)
        : m_picture(picture)
    {
    }
    bool start(QSize decoded, QSize, double scale) override
    {
        m_picture.image = QImage(decoded, QImage::Format_RGB32);
        m_picture.scale = scale;
        return !m_picture.image.isNull();
    }
    QRgb* nextRow() override { return reinterpret_cast<QRgb*>(m_picture.image.scanLine(m_row)); }
    void rowWritten() override { ++m_row; }

private:
    DecodedJpeg& m_picture;
    int m_row = 0;
};

} // namespace

QSize jpegHeaderSize(const uchar* data, qint64 size)
{
    Decoder decoder = decoderFor(data, size, {});
    const bool ok = decoder.size > 0 && guarded(decoder, openAndReadHeader);
    const QSize declared(int(decoder.info.image_width), int(decoder.info.image_height));
    jpeg_destroy_decompress(&decoder.info);
    return ok ? declared : QSize();
}

bool decodeJpegRows(const uchar* data, qint64 size, QSize minimum, JpegRowSink& sink)
{
    if (size <= 0)
        return false;
    const ScanSplit split = splitScans(data, size);
    Decoder decoder = decoderFor(data, size, split.first);
    decoder.writesPicture = true;
    decoder.minimumWidth = std::max(minimum.width(), 0);
    decoder.minimumHeight = std::max(minimum.height(), 0);
    decoder.sink = &sink;
    const bool ok = decodePicture(decoder, split);
    jpeg_destroy_decompress(&decoder.info);
    return ok;
}

DecodedJpeg decodeJpeg(const uchar* data, qint64 size, QSize minimum)
{
    DecodedJpeg result;
    PictureSink sink(result);
    if (!decodeJpegRows(data, size, minimum, sink))
        return {};
    return result;
}

} // namespace images
