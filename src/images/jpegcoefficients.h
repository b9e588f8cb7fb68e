#pragma once

#include "images/zeroedpages.h"

#include <cstdio> // jpeglib.h needs FILE and size_t declared first

#include <jpeglib.h>

#include <memory>
#include <vector>

namespace images
{

// One component's coefficient blocks, as libjpeg asks for them.
struct CoefficientArray {
    JBLOCKROW* rows = nullptr;
    JDIMENSION blocksPerRow = 0, rowCount = 0;
};

// What one decoder's memory hooks need. Plain data: it lives where a long jump may pass.
struct CoefficientView {
    CoefficientArray* arrays = nullptr;
    int count = 0;
    int nextRequest = 0;
    void (*realizeOwnArrays)(j_common_ptr) = nullptr;
};

// The coefficients of a multi-scan JPEG, held outside libjpeg so that two decoders can fill them
// at once, each from its own scans (which touch different coefficients). Fresh zeroed pages, so
// there is no clearing pass either.
class CoefficientStore
{
public:
    // For the components `info`'s header declares; empty (`ok()` false) above `maxBytes`.
    CoefficientStore(const jpeg_decompress_struct& info, long maxBytes);
    bool ok() const { return m_blocks && m_blocks->data(); }
    // A view for one decoder; keep it where the decoder's client data can point to it.
    CoefficientView view() { return { m_arrays.data(), int(m_arrays.size()), 0, nullptr }; }

private:
    std::unique_ptr<ZeroedPages> m_blocks;
    std::vector<JBLOCKROW> m_rows;
    std::vector<CoefficientArray> m_arrays;
};

// Makes `info` (created, header read) take its coefficient arrays from `view`, which must outlive
// the decoding; `info.client_data` is set to point to it.
void useCoefficientView(jpeg_decompress_struct& info, CoefficientView& view);

} // namespace images
