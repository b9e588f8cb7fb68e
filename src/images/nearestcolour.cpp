#include "images/nearestcolour.h"

#include <algorithm>
#include <cstring>

namespace images
{

namespace
{

using Lanes = float __attribute__((vector_size(16)));
using Mask = int __attribute__((vector_size(16))); // a comparison of Lanes: -1 where true
constexpr float FarOff = 1e4f; // fills the last group of entries: never a candidate

} // namespace

NearestColour::NearestColour(const QList<QRgb>& palette)
    : m_palette(palette)
    , m_first(Cells, -1)
    , m_count(Cells, 0)
{
    const size_t lanes = (size_t(palette.size()) + 3) / 4 * 4;
    m_nearest.resize(lanes);
    for (int a = 0; a < 3; ++a) {
        m_channels[a].resize(size_t(palette.size()));
        m_lanes[a].assign(lanes, FarOff);
    }
    for (int i = 0; i < palette.size(); ++i) {
        m_channels[0][size_t(i)] = qRed(palette[i]);
        m_channels[1][size_t(i)] = qGreen(palette[i]);
        m_channels[2][size_t(i)] = qBlue(palette[i]);
        for (int a = 0; a < 3; ++a)
            m_lanes[a][size_t(i)] = float(m_channels[a][size_t(i)]);
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
    // Per entry: the least and the greatest squared distance to any point of the cell. Whole numbers
    // this small are exact as floats.
    Lanes least[3], most[3], bounds = { 1e9f, 1e9f, 1e9f, 1e9f };
    for (int a = 0; a < 3; ++a)
        for (int lane = 0; lane < 4; ++lane)
            least[a][lane] = float(low[a]), most[a][lane] = float(low[a] + CellSize - 1);
    const Lanes zero = {};
    for (size_t i = 0; i < m_nearest.size(); i += 4) {
        Lanes nearest = zero, farthest = zero;
        for (int a = 0; a < 3; ++a) {
            Lanes v;
            std::memcpy(&v, m_lanes[a].data() + i, sizeof v);
            const Lanes below = least[a] - v, above = v - most[a];
            Lanes n = below > above ? below : above;
            n = n > zero ? n : zero;
            const Lanes f = below < above ? -below : -above;
            nearest += n * n;
            farthest += f * f;
        }
        std::memcpy(m_nearest.data() + i, &nearest, sizeof nearest);
        bounds = farthest < bounds ? farthest : bounds;
    }
    const float bound = std::min(std::min(bounds[0], bounds[1]), std::min(bounds[2], bounds[3]));
    m_scratch.clear();
    for (int i = 0; i < int(m_palette.size()); ++i)
        if (m_nearest[size_t(i)] <= bound)
            m_scratch.push_back({ m_channels[0][size_t(i)], m_channels[1][size_t(i)],
                m_channels[2][size_t(i)], i, int(m_nearest[size_t(i)]) });
    std::sort(m_scratch.begin(), m_scratch.end(),
        [](const Candidate& a, const Candidate& b) { return a.distanceToCell < b.distanceToCell; });
    m_first[cell] = int(m_groups.size());
    m_count[cell] = int((m_scratch.size() + 3) / 4);
    for (size_t i = 0; i < m_scratch.size(); i += 4) {
        Group group {};
        group.distanceToCell = float(m_scratch[i].distanceToCell);
        for (size_t lane = 0; lane < 4; ++lane) {
            const bool real = i + lane < m_scratch.size();
            const Candidate& c = m_scratch[real ? i + lane : i];
            group.r[lane] = real ? float(c.r) : FarOff;
            group.g[lane] = real ? float(c.g) : FarOff;
            group.b[lane] = real ? float(c.b) : FarOff;
            group.index[lane] = c.index;
        }
        m_groups.push_back(group);
    }
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
    const Lanes qr = { float(r), float(r), float(r), float(r) },
                qg = { float(g), float(g), float(g), float(g) },
                qb = { float(b), float(b), float(b), float(b) };
    float bestSoFar = float(bestDistance);
    const Group* group = m_groups.data() + m_first[cell];
    const Group* end = group + m_count[cell];
    for (; group != end && group->distanceToCell < bestSoFar; ++group) {
        const Lanes dr = group->r - qr, dg = group->g - qg, db = group->b - qb;
        const Lanes d = dr * dr + dg * dg + db * db;
        const float least = std::min(std::min(d[0], d[1]), std::min(d[2], d[3]));
        if (least >= bestSoFar)
            continue;
        // The first lane holding the least distance, found without a branch per lane (those
        // mispredict often): the same answer as testing the lanes in order.
        const Mask hit = d == Lanes { least, least, least, least };
        bestSoFar = least;
        best
            = group
                  ->index[__builtin_ctz(unsigned((hit[0] & 1) | (hit[1] & 2) | (hit[2] & 4) | (hit[3] & 8)))];
    }
    m_last = best;
    return best;
}

} // namespace images
