#pragma once

#include <QImage>

// One picture's pixels as the imaging entries hand them out: 0xffRRGGBB words, row after row.
// The receiver owns the block; it can be moved but not copied, and an empty block stands for the
// library's handle 0. A reader told that only a small picture is needed may keep the pixels at a
// reduced resolution: the block always knows its own size, the caller keeps the picture's.
class PixelBlock
{
public:
    PixelBlock() = default;
    // Takes the picture over, converted to 32-bit RGB; a picture over the size limit gives an empty
    // block.
    static PixelBlock fromImage(QImage image);

    PixelBlock(PixelBlock&& other) noexcept = default;
    PixelBlock& operator=(PixelBlock&& other) noexcept = default;
    PixelBlock(const PixelBlock&) = delete;
    PixelBlock& operator=(const PixelBlock&) = delete;

    bool isNull() const { return m_image.isNull(); }
    explicit operator bool() const { return !isNull(); }
    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }
    const QRgb* row(int y) const { return reinterpret_cast<const QRgb*>(m_image.constScanLine(y)); }
    // The pixels as a picture that shares the block's memory while the block lives unchanged.
    const QImage& image() const { return m_image; }
    void reset() { m_image = QImage(); }
    // Block pixels per picture pixel: below 1 when the reader kept a reduced resolution, whose last
    // row and column may stand for less than a whole pixel of the picture.
    double scale() const { return m_scale; }
    void setScale(double scale) { m_scale = scale; }

private:
    explicit PixelBlock(QImage image)
        : m_image(std::move(image))
    {
    }
    QImage m_image;
    double m_scale = 1.0;
};
