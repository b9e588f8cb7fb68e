#include "images/jpegresampling.h"

#include "images/jpegdecoder.h"
#include "images/resampler.h"
#include "images/rowhandoff.h"

#include <optional>

namespace images
{

namespace
{

class ResamplingSink : public JpegRowSink
{
public:
    explicit ResamplingSink(QSize target)
        : m_target(target)
    {
    }

    bool start(QSize decoded, QSize picture, double scale) override
    {
        // A reduced picture spans the file's picture times the scale, which can end inside its
        // last pixel.
        const QSizeF extent = scale < 1.0 ? QSizeF(picture) * scale : QSizeF();
        try {
            m_resampler.emplace(decoded, m_target, extent);
            if (!m_resampler->ok())
                return false;
            m_handoff.emplace(
                decoded.width(), decoded.height(), [this](const QRgb* row) { m_resampler->addRow(row); });
        } catch (const std::bad_alloc&) {
            return false;
        }
        return true;
    }
    QRgb* nextRow() override { return m_handoff->nextRow(); }
    void rowWritten() override { m_handoff->rowWritten(); }

    QImage result()
    {
        m_handoff->waitUntilConsumed();
        return m_resampler->result();
    }

private:
    QSize m_target;
    std::optional<RowResampler> m_resampler;
    std::optional<RowHandoff> m_handoff; // after the resampler, so that its thread ends first
};

} // namespace

QImage decodeJpegResampled(const uchar* data, qint64 size, QSize minimum, QSize target)
{
    ResamplingSink sink(target);
    if (!decodeJpegRows(data, size, minimum, sink))
        return {};
    return sink.result();
}

} // namespace images
