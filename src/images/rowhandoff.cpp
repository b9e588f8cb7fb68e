#include "images/rowhandoff.h"

#include <algorithm>
#include <system_error>

namespace images
{

namespace
{

// Rows the producer may be ahead: enough to ride out uneven rows, few enough to stay in the cache.
constexpr int RingRows = 64;
// Each side wakes the other once a band of rows: waking for every row cost more than the row.
constexpr int BandRows = 16;

} // namespace

RowHandoff::RowHandoff(int width, int height, Consumer consume)
    : m_width(width)
    , m_height(height)
    , m_ringRows(RingRows)
    , m_consume(std::move(consume))
    , m_ring(size_t(width) * RingRows)
{
    try {
        m_consumer.emplace([this] { consumeAll(); });
    } catch (const std::system_error&) {
        m_ringRows = 1; // each row is consumed in rowWritten
    }
}

RowHandoff::~RowHandoff()
{
    stop();
}

QRgb* RowHandoff::nextRow()
{
    const int row = m_written; // only this side changes it
    if (m_consumer && row >= m_ringRows) {
        std::unique_lock lock(m_mutex);
        m_advanced.wait(lock, [&] { return m_consumed > row - m_ringRows; });
    }
    return ringRow(row);
}

void RowHandoff::rowWritten()
{
    if (!m_consumer) {
        m_consume(ringRow(m_written));
        ++m_written;
        ++m_consumed;
        return;
    }
    advance(m_written);
}

void RowHandoff::waitUntilConsumed()
{
    std::unique_lock lock(m_mutex);
    m_advanced.wait(lock, [&] { return m_consumed == m_height; });
}

void RowHandoff::advance(int& counter)
{
    int count = 0;
    {
        const std::lock_guard lock(m_mutex);
        count = ++counter;
    }
    if (count % BandRows == 0 || count == m_height)
        m_advanced.notify_all();
}

void RowHandoff::consumeAll()
{
    int ready = 0;
    for (int row = 0; row < m_height; ++row) {
        if (row == ready) {
            std::unique_lock lock(m_mutex);
            const int band = std::min(row + BandRows, m_height);
            m_advanced.wait(lock, [&] { return m_written >= band || m_stopped; });
            if (m_stopped)
                return;
            ready = m_written;
        }
        m_consume(ringRow(row));
        advance(m_consumed);
    }
}

// A producer that gave up leaves the consumer waiting for rows that never come: wake it to leave.
void RowHandoff::stop()
{
    if (!m_consumer)
        return;
    {
        const std::lock_guard lock(m_mutex);
        m_stopped = true;
    }
    m_advanced.notify_all();
    m_consumer->join();
    m_consumer.reset();
}

} // namespace images
