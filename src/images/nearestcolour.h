#pragma once

#include <QList>
#include <QRgb>

#include <vector>

namespace images
{

// Exact nearest palette entry (plain RGB distance) for many queries. The colour cube is cut into
// 16 x 16 x 16 cells; the first query in a cell lists the entries that can be nearest to any point
// of it (usually a handful), ordered by their distance to the cell, and every later query in that
// cell only looks at those, four at a time.
class NearestColour
{
public:
    explicit NearestColour(const QList<QRgb>& palette);
    int find(int r, int g, int b);
    // Squared distance from `entry` to the nearest other entry: every colour within half of that
    // distance has `entry` as its nearest.
    int clearance(int entry) const { return m_clearance[size_t(entry)]; }

private:
    static constexpr int CellBits = 4;
    static constexpr int CellSize = 256 >> CellBits;
    static constexpr int Cells = 1 << (3 * CellBits);

    using Lanes = float __attribute__((vector_size(16)));
    struct Candidate {
        int r, g, b, index, distanceToCell;
    };
    // Four candidates of a cell's list, in the list's order; a short last group is filled with
    // entries far off the cube.
    struct Group {
        Lanes r, g, b;
        int index[4];
        float distanceToCell; // of the first of them: the least
    };
    void buildCell(int cell);
    int distanceTo(int entry, int r, int g, int b) const
    {
        const int dr = m_channels[0][size_t(entry)] - r, dg = m_channels[1][size_t(entry)] - g,
                  db = m_channels[2][size_t(entry)] - b;
        return dr * dr + dg * dg + db * db;
    }

    QList<QRgb> m_palette;
    std::vector<int> m_first; // per cell: offset into m_groups, -1 until built
    std::vector<int> m_count; // groups
    std::vector<Group> m_groups;
    std::vector<Candidate> m_scratch;
    std::vector<int> m_channels[3]; // red, green, blue of each entry
    // The same as floats, four entries a group, the last group filled with entries far off the cube,
    // so that listing a cell tests four entries at once.
    std::vector<float> m_lanes[3];
    std::vector<float> m_nearest;
    std::vector<int> m_clearance; // per entry: squared distance to the nearest other entry
    int m_last = 0; // the previous answer
};

} // namespace images
