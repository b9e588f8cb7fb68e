#pragma once

#include "images/jpegscans.h"

#include <cstdio> // jpeglib.h needs FILE and size_t declared first

#include <jpeglib.h>

namespace images
{

// A libjpeg source that reads parts of a file in memory one after the other, as if they were one
// stream: a decoder given the file without some of its scans. Past the last part it reads an end
// marker, as libjpeg's own memory source does. Plain data: it lives where a long jump may pass.
struct JpegRangeSource {
    jpeg_source_mgr base; // first, so libjpeg's pointer to it also points to the whole
    const uchar* data;
    const ByteRange* ranges;
    int count;
    int next;
};

// Makes `source` (which must outlive the decoding) the source of `info`.
void useRangeSource(jpeg_decompress_struct& info, JpegRangeSource& source, const uchar* data,
    const ByteRange* ranges, int count);

} // namespace images
