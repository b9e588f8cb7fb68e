#include "images/nearestcolour.h"

#include <algorithm>

namespace images {

NearestColour::NearestColour(const QList<QRgb>& palette)
    : m_palette(palette)
    , m_first(Cells, -1)
    , m_count(Cells, 0)
{
}

void NearestColour::buildCell(int cell)
{
    const int low[3] = { (cell >> (2 * CellBits)) * CellSize, ((cell >> CellBits) & (CellSize - 1)) * CellSize,
        (cell & ((1 << CellBits) - 1)) * CellSize };
    auto axis = [&](int value, int a, bool farthest) {
        const int lo = low[a], hi = low[a] + CellSize - 1;
        if (farthest)
            return std::max(std::abs(value - lo), std::abs(value - hi));
        return value < lo ? lo - value : value > hi ? value - hi : 0;
    };
    int bound = 1 << 30; // the least, over the entries, of the farthest distance to the cell
    m_scratch.clear();
    for (int i = 0; i < m_palette.size(); ++i) {
        const int rgb[3] = { qRed(m_palette[i]), qGreen(m_palette[i]), qBlue(m_palette[i]) };
        int nearest = 0, farthest = 0;
        for (int a = 0; a < 3; ++a) {
            const int n = axis(rgb[a], a, false), f = axis(rgb[a], a, true);
            nearest += n * n;
            farthest += f * f;
        }
        bound = std::min(bound, farthest);
        if (nearest <= bound)
            m_scratch.push_back({ rgb[0], rgb[1], rgb[2], i, nearest });
    }
    const auto last = std::remove_if(
        m_scratch.begin(), m_scratch.end(), [bound](const Candidate& c) { return c.distanceToCell > bound; });
    std::sort(m_scratch.begin(), last,
        [](const Candidate& a, const Candidate& b) { return a.distanceToCell < b.distanceToCell; });
    m_first[cell] = int(m_candidates.size());
    m_candidates.insert(m_candidates.end(), m_scratch.begin(), last);
    m_count[cell] = int(m_candidates.size()) - m_first[cell];
}

int NearestColour::find(int r, int g, int b)
{
    r = std::clamp(r, 0, 255);
    g = std::clamp(g, 0, 255);
    b = std::clamp(b, 0, 255);
    const int cell = ((r >> (8 - CellBits)) << (2 * CellBits)) | ((g >> (8 - CellBits)) << CellBits) | (b >> (8 - CellBits));
    if (m_first[cell] < 0)
        buildCell(cell);
    const Candidate* c = m_candidates.data() + m_first[cell];
    const Candidate* end = c + m_count[cell];
    int best = 0;
    int bestDistance = 1 << 30;
    for (; c != end && c->distanceToCell < bestDistance; ++c) {
        const int dr = c->r - r, dg = c->g - g, db = c->b - b;
        const int d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = c->index;
        }
    }
    return best;
}

} // namespace images
