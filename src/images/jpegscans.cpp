#include "images/jpegscans.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <numeric>

namespace images
{

namespace
{

constexpr uchar StartOfScan = 0xda, EndOfImage = 0xd9;

// A marker segment's length, which counts its own two bytes.
int segmentLength(const uchar* data, qint64 at)
{
    return qFromBigEndian<quint16>(data + at + 2);
}

// Markers without a length: the restart markers, TEM and (stray) SOI.
bool standalone(uchar marker)
{
    return (marker >= 0xd0 && marker <= 0xd8) || marker == 0x01;
}

// Entropy-coded data ends at the first 0xff that is neither stuffing (0xff 0x00) nor a restart.
qint64 endOfEntropyData(const uchar* data, qint64 from, qint64 size)
{
    qint64 at = from;
    while (at + 1 < size) {
        const void* found = std::memchr(data + at, 0xff, size_t(size - at - 1));
        if (!found)
            break;
        at = static_cast<const uchar*>(found) - data;
        const uchar next = data[at + 1];
        if (next != 0 && (next < 0xd0 || next > 0xd7))
            return at;
        at += 2;
    }
    return size;
}

// Reads a scan header at `at` (its 0xff); false when it is malformed.
bool readScanHeader(const uchar* data, qint64 at, qint64 size, JpegScan& scan)
{
    const int length = segmentLength(data, at);
    const int count = data[at + 4];
    if (count < 1 || count > 4 || length != 6 + 2 * count || at + 2 + length > size)
        return false;
    for (int c = 0; c < count; ++c)
        scan.components.push_back(data[at + 5 + 2 * c]);
    scan.firstCoefficient = data[at + 5 + 2 * count];
    scan.lastCoefficient = data[at + 6 + 2 * count];
    if (scan.firstCoefficient > scan.lastCoefficient || scan.lastCoefficient > 63)
        return false;
    scan.begin = at;
    scan.end = endOfEntropyData(data, at + 2 + length, size);
    return true;
}

bool overlap(const JpegScan& a, const JpegScan& b)
{
    if (a.lastCoefficient < b.firstCoefficient || b.lastCoefficient < a.firstCoefficient)
        return false;
    return std::any_of(a.components.begin(), a.components.end(), [&](int c) {
        return std::find(b.components.begin(), b.components.end(), c) != b.components.end();
    });
}

// Labels each scan with its group: scans tied to each other through shared coefficients share one.
std::vector<size_t> groupsOf(const std::vector<JpegScan>& scans)
{
    std::vector<size_t> parent(scans.size());
    std::iota(parent.begin(), parent.end(), size_t(0));
    auto root = [&](size_t i) {
        while (parent[i] != i)
            i = parent[i] = parent[parent[i]];
        return i;
    };
    for (size_t i = 0; i < scans.size(); ++i)
        for (size_t j = i + 1; j < scans.size(); ++j)
            if (overlap(scans[i], scans[j]))
                parent[root(j)] = root(i);
    std::vector<size_t> group(scans.size());
    for (size_t i = 0; i < scans.size(); ++i)
        group[i] = root(i);
    return group;
}

bool coversComponents(const std::vector<JpegScan>& scans, const std::vector<bool>& second)
{
    std::vector<int> all, first;
    for (size_t i = 0; i < scans.size(); ++i) {
        all.insert(all.end(), scans[i].components.begin(), scans[i].components.end());
        if (!second[i])
            first.insert(first.end(), scans[i].components.begin(), scans[i].components.end());
    }
    return std::all_of(
        all.begin(), all.end(), [&](int c) { return std::find(first.begin(), first.end(), c) != first.end(); });
}

} // namespace

std::vector<JpegScan> findJpegScans(const uchar* data, qint64 size, int maxScans)
{
    std::vector<JpegScan> scans;
    if (size < 4 || data[0] != 0xff || data[1] != 0xd8)
        return {};
    qint64 at = 2;
    while (at + 1 < size) {
        if (data[at] != 0xff)
            return {};
        if (data[at + 1] == 0xff) { // fill byte before a marker
            ++at;
            continue;
        }
        const uchar marker = data[at + 1];
        if (marker == EndOfImage)
            break;
        if (standalone(marker)) {
            at += 2;
            continue;
        }
        if (at + 4 > size || segmentLength(data, at) < 2)
            return {};
        if (marker != StartOfScan) {
            at += 2 + segmentLength(data, at);
            continue;
        }
        JpegScan scan;
        if (int(scans.size()) >= maxScans || !readScanHeader(data, at, size, scan))
            return {};
        at = scan.end;
        scans.push_back(std::move(scan));
    }
    return scans;
}

std::vector<bool> scansForSecondDecoder(const std::vector<JpegScan>& scans)
{
    const std::vector<size_t> group = groupsOf(scans);
    std::vector<qint64> groupBytes(scans.size(), 0);
    std::vector<bool> groupHasDc(scans.size(), false);
    for (size_t i = 0; i < scans.size(); ++i) {
        groupBytes[group[i]] += scans[i].end - scans[i].begin;
        if (scans[i].firstCoefficient == 0)
            groupHasDc[group[i]] = true;
    }
    std::vector<size_t> movable;
    qint64 first = 0, second = 0;
    for (size_t g = 0; g < scans.size(); ++g) {
        if (groupHasDc[g])
            first += groupBytes[g];
        else if (groupBytes[g] > 0)
            movable.push_back(g);
    }
    // Largest first, each to the lighter side: close to even for the handful of groups files have.
    std::sort(movable.begin(), movable.end(), [&](size_t a, size_t b) { return groupBytes[a] > groupBytes[b]; });
    std::vector<bool> groupToSecond(scans.size(), false);
    for (size_t g : movable) {
        const bool lighterIsSecond = second < first;
        (lighterIsSecond ? second : first) += groupBytes[g];
        groupToSecond[g] = lighterIsSecond;
    }
    std::vector<bool> toSecond(scans.size());
    for (size_t i = 0; i < scans.size(); ++i)
        toSecond[i] = groupToSecond[group[i]];
    // Below a tenth of the work, the second decoder's start costs more than it saves.
    if (second * 10 < first + second || !coversComponents(scans, toSecond))
        return {};
    return toSecond;
}

std::vector<ByteRange> fileWithout(const std::vector<JpegScan>& scans, const std::vector<bool>& skip, qint64 size)
{
    std::vector<ByteRange> ranges;
    qint64 from = 0;
    for (size_t i = 0; i < scans.size(); ++i) {
        if (!skip[i])
            continue;
        if (scans[i].begin > from)
            ranges.push_back({ from, scans[i].begin });
        from = scans[i].end;
    }
    if (size > from)
        ranges.push_back({ from, size });
    return ranges;
}

} // namespace images
