#include "images/nearestcolour.h"

#include <algorithm>

namespace images
{

NearestColour::NearestColour(const QList<QRgb>& palette)
    : m_palette(palette)
    , m_first(Cells, -1)
    , m_count(Cells, 0)
    , m_nearest(size_t(palette.size()))
{
    for (int a = 0; a < 3; ++a)
        m_channels[a].resize(size_t(palette.size()));
    for (int i = 0; i < palette.size(); ++i) {
        m_channels[0][size_t(i)] = qRed(palette[i]);
        m_channels[1][size_t(i)] = qGreen(palette[i]);
        m_channels[2][size_t(i)] = qBlue(palette[i]);
    }
    m_clearance.assign(size_t(palette.size()), 1 << 30);
    for (int i = 0; i < palette.size(); ++i)
        for (int j = 0; j < i; ++j) {
            const int d = distanceTo(j, qRed(palette[i]), qGreen(palette[i]), qBlue(palette[i]));
            m_clearance[size_t(i)] = std::min(m_clearance[size_t(i)], d);
            m_clearance[size_t(j)] = std::min(m_clearance[size_t(j)], d);
        }
}

void NearestColour::buildCell(int cell)
{
    const int low[3] = { (cell >> (2 * CellBits)) * CellSize,
        ((cell >> CellBits) & ((1 << CellBits) - 1)) * CellSize, (cell & ((1 << CellBits) - 1)) * CellSize };
    const int count = int(m_palette.size());
    // Per entry: the least and the greatest squared distance to any point of the cell.
    int bound = 1 << 30;
    for (int i = 0; i < count; ++i) {
        int nearest = 0, farthest = 0;
        for (int a = 0; a < 3; ++a) {
            const int v = m_channels[a][size_t(i)];
            const int below = low[a] - v, above = v - (low[a] + CellSize - 1);
            const int n = std::max({ below, above, 0 });
            const int f = std::max(-below, -above);
            nearest += n * n;
            farthest += f * f;
        }
        m_nearest[size_t(i)] = nearest;
        bound = std::min(bound, farthest);
    }
    m_scratch.clear();
    for (int i = 0; i < count; ++i)
        if (m_nearest[size_t(i)] <= bound)
            m_scratch.push_back({ m_channels[0][size_t(i)], m_channels[1][size_t(i)],
                m_channels[2][size_t(i)], i, m_nearest[size_t(i)] });
    std::sort(m_scratch.begin(), m_scratch.end(),
        [](const Candidate& a, const Candidate& b) { return a.distanceToCell < b.distanceToCell; });
    m_first[cell] = int(m_candidates.size());
    m_candidates.insert(m_candidates.end(), m_scratch.begin(), m_scratch.end());
    m_count[cell] = int(m_scratch.size());
}

int NearestColour::find(int r, int g, int b)
{
    if (m_palette.isEmpty())
        return 0;
    r = std::clamp(r, 0, 255);
    g = std::clamp(g, 0, 255);
    b = std::clamp(b, 0, 255);
    const int cell = ((r >> (8 - CellBits)) << (2 * CellBits)) | ((g >> (8 - CellBits)) << CellBits)
        | (b >> (8 - CellBits));
    // Neighbouring queries mostly have the same answer. Within half the distance from the last
    // answer to its own nearest entry nothing can be nearer; otherwise the last answer still
    // ends the scan early.
    int best = m_last;
    int bestDistance = distanceTo(m_last, r, g, b);
    if (4 * bestDistance < m_clearance[size_t(m_last)])
        return best;
    if (m_first[cell] < 0)
        buildCell(cell);
    const Candidate* c = m_candidates.data() + m_first[cell];
    const Candidate* end = c + m_count[cell];
    for (; c != end && c->distanceToCell < bestDistance; ++c) {
        const int dr = c->r - r, dg = c->g - g, db = c->b - b;
        const int d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = c->index;
        }
    }
    m_last = best;
    return best;
}

} // namespace images
