#pragma once

#include <QRgb>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace images
{

// Hands rows of 32-bit pixels from a producer (a decoder) to a consumer working on another core,
// through a small ring of rows, so that the consumer takes each row while the producer makes the
// next ones and the rows are still in the cache. Without a second thread every row is consumed as
// soon as it is finished.
class RowHandoff
{
public:
    using Consumer = std::function<void(const QRgb* row)>;

    // `consume` takes the rows in order, `height` of them, `width` pixels each; it must not throw.
    RowHandoff(int width, int height, Consumer consume);
    // Stops the consumer, even halfway through the rows.
    ~RowHandoff();
    RowHandoff(const RowHandoff&) = delete;
    RowHandoff& operator=(const RowHandoff&) = delete;

    // Where the producer writes the next row; waits while the consumer is a whole ring behind.
    QRgb* nextRow();
    // The row from nextRow() is written.
    void rowWritten();
    // Waits until the consumer has taken every row.
    void waitUntilConsumed();

private:
    void consumeAll();
    QRgb* ringRow(int row) { return m_ring.data() + size_t(row % m_ringRows) * m_width; }
    // Counts one more row on `counter` and wakes the other side at the end of a band.
    void advance(int& counter);
    void stop();

    int m_width, m_height, m_ringRows;
    Consumer m_consume;
    std::vector<QRgb> m_ring;
    std::mutex m_mutex;
    std::condition_variable m_advanced; // either side's count went on or the consumer is to stop
    int m_written = 0, m_consumed = 0; // under m_mutex once the consumer runs
    bool m_stopped = false;
    std::optional<std::thread> m_consumer;
};

} // namespace images
