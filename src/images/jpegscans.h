#pragma once

#include <QtGlobal>

#include <vector>

namespace images
{

// One scan of a JPEG file: its marker segment and the entropy-coded data after it.
struct JpegScan {
    qint64 begin = 0, end = 0; // bytes of the file, from the scan's marker to the next marker
    std::vector<int> components; // the component ids the scan codes
    int firstCoefficient = 0, lastCoefficient = 63; // the spectral band, in zig-zag order
};

struct ByteRange {
    qint64 begin = 0, end = 0;
};

// The scans of a JPEG file in file order; empty when the markers cannot be walked (a file that
// libjpeg would refuse as well) or when there are more than `maxScans` of them.
std::vector<JpegScan> findJpegScans(const uchar* data, qint64 size, int maxScans);

// A progressive file's scans fall into groups that touch different coefficients: the DC scans, and
// per component the bands of its AC scans. Two decoders can then each take whole groups and run at
// once. The first decoder keeps every group with DC in it (so it knows every component's tables
// and can write the picture out); the second takes the groups that balance the work. Returns which
// scans the second decoder takes, or nothing when the file gives it no share worth a thread.
std::vector<bool> scansForSecondDecoder(const std::vector<JpegScan>& scans);

// The parts of a `size`-byte file left when the scans marked in `skip` are cut out of it.
std::vector<ByteRange> fileWithout(const std::vector<JpegScan>& scans, const std::vector<bool>& skip, qint64 size);

} // namespace images
