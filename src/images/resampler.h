#pragma once

#include <QImage>
#include <QSizeF>

#include <memory>

namespace images
{

// Resamples a 32-bit RGB picture to exactly width x height (the aspect ratio is not kept) with a
// three-lobe Lanczos filter widened by the reduction factor, as photo editors do, so that a
// reduced picture keeps its detail without aliasing. Returns an empty picture for a bad size.
// `extent` is how much of the source, from its top-left corner, the picture covers, when its last
// row or column stands for less than a whole pixel (a JPEG reduced while decoding); by default
// the whole source.
QImage resampleLanczos(const QImage& source, int width, int height, QSizeF extent = {});

// The same resampling for a picture that arrives row by row, top to bottom: a decoder can hand its
// rows over as it makes them instead of holding the whole picture. Only the few filtered rows that
// the next output row still needs are kept. The result has the very pixels resampleLanczos gives.
class RowResampler
{
public:
    RowResampler(QSize source, QSize target, QSizeF extent = {});
    ~RowResampler();
    RowResampler(const RowResampler&) = delete;
    RowResampler& operator=(const RowResampler&) = delete;

    // False for a bad size or when the memory could not be had.
    bool ok() const { return bool(m_rows); }
    // The next source row, source.width() pixels of 32-bit RGB. Allocates nothing.
    void addRow(const QRgb* row);
    // The picture, once every source row has been added; null before.
    QImage result() const;

private:
    struct Rows;
    std::unique_ptr<Rows> m_rows;
};

} // namespace images
