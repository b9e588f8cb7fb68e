#include "images/jpegrangesource.h"

namespace images
{

namespace
{

const JOCTET EndMarker[] = { 0xff, JOCTET(0xd9) };

void initSource(j_decompress_ptr) {}
void termSource(j_decompress_ptr) {}

boolean fillInputBuffer(j_decompress_ptr info)
{
    auto& source = *reinterpret_cast<JpegRangeSource*>(info->src);
    while (source.next < source.count && source.ranges[source.next].end <= source.ranges[source.next].begin)
        ++source.next;
    if (source.next < source.count) {
        const ByteRange& range = source.ranges[source.next++];
        source.base.next_input_byte = source.data + range.begin;
        source.base.bytes_in_buffer = size_t(range.end - range.begin);
    } else {
        source.base.next_input_byte = EndMarker;
        source.base.bytes_in_buffer = sizeof EndMarker;
    }
    return TRUE;
}

void skipInputData(j_decompress_ptr info, long count)
{
    auto& source = *reinterpret_cast<JpegRangeSource*>(info->src);
    while (count > long(source.base.bytes_in_buffer)) {
        if (source.next >= source.count) { // skipping past the end: only the end marker is left
            fillInputBuffer(info);
            return;
        }
        count -= long(source.base.bytes_in_buffer);
        fillInputBuffer(info);
    }
    if (count > 0) {
        source.base.next_input_byte += count;
        source.base.bytes_in_buffer -= size_t(count);
    }
}

} // namespace

void useRangeSource(jpeg_decompress_struct& info, JpegRangeSource& source, const uchar* data,
    const ByteRange* ranges, int count)
{
    source.base.init_source = initSource;
    source.base.fill_input_buffer = fillInputBuffer;
    source.base.skip_input_data = skipInputData;
    source.base.resync_to_restart = jpeg_resync_to_restart;
    source.base.term_source = termSource;
    source.base.next_input_byte = nullptr;
    source.base.bytes_in_buffer = 0;
    source.data = data;
    source.ranges = ranges;
    source.count = count;
    source.next = 0;
    info.src = &source.base;
}

} // namespace images
