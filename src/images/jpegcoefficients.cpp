#include "images/jpegcoefficients.h"

#include <jerror.h>

#include <cstdlib>

namespace images
{

namespace
{

JDIMENSION roundUp(JDIMENSION value, int multiple)
{
    return (value + JDIMENSION(multiple) - 1) / JDIMENSION(multiple) * JDIMENSION(multiple);
}

[[noreturn]] void fail(j_common_ptr info)
{
    info->err->msg_code = JERR_BAD_VIRTUAL_ACCESS;
    info->err->error_exit(info);
    std::abort(); // error_exit never returns
}

CoefficientView& viewOf(j_common_ptr info)
{
    return *static_cast<CoefficientView*>(info->client_data);
}

// libjpeg asks for one array per component, in component order, with the sizes the store made.
jvirt_barray_ptr requestArray(
    j_common_ptr info, int, boolean, JDIMENSION blocksPerRow, JDIMENSION rowCount, JDIMENSION)
{
    CoefficientView& view = viewOf(info);
    if (view.nextRequest >= view.count)
        fail(info);
    CoefficientArray& array = view.arrays[view.nextRequest++];
    if (array.blocksPerRow != blocksPerRow || array.rowCount != rowCount)
        fail(info);
    return reinterpret_cast<jvirt_barray_ptr>(&array);
}

// The store's arrays exist already; libjpeg's own realizing is kept for its sample arrays.
void realizeArrays(j_common_ptr info)
{
    viewOf(info).realizeOwnArrays(info);
}

JBLOCKARRAY accessArray(
    j_common_ptr info, jvirt_barray_ptr handle, JDIMENSION firstRow, JDIMENSION count, boolean)
{
    const CoefficientArray& array = *reinterpret_cast<const CoefficientArray*>(handle);
    if (firstRow > array.rowCount || count > array.rowCount - firstRow)
        fail(info);
    return array.rows + firstRow;
}

} // namespace

CoefficientStore::CoefficientStore(const jpeg_decompress_struct& info, long maxBytes)
{
    std::size_t blocks = 0;
    for (int c = 0; c < info.num_components; ++c) {
        const jpeg_component_info& component = info.comp_info[c];
        CoefficientArray array;
        array.blocksPerRow = roundUp(component.width_in_blocks, component.h_samp_factor);
        array.rowCount = roundUp(component.height_in_blocks, component.v_samp_factor);
        blocks += std::size_t(array.blocksPerRow) * array.rowCount;
        m_arrays.push_back(array);
    }
    if (blocks == 0 || blocks > std::size_t(maxBytes) / sizeof(JBLOCK))
        return;
    m_blocks = std::make_unique<ZeroedPages>(blocks * sizeof(JBLOCK));
    if (!m_blocks->data())
        return;
    auto* next = static_cast<JBLOCK*>(m_blocks->data());
    std::size_t rowCount = 0;
    for (const CoefficientArray& array : m_arrays)
        rowCount += array.rowCount;
    m_rows.reserve(rowCount);
    for (CoefficientArray& array : m_arrays) {
        array.rows = m_rows.data() + m_rows.size();
        for (JDIMENSION row = 0; row < array.rowCount; ++row, next += array.blocksPerRow)
            m_rows.push_back(next);
    }
}

void useCoefficientView(jpeg_decompress_struct& info, CoefficientView& view)
{
    view.realizeOwnArrays = info.mem->realize_virt_arrays;
    info.client_data = &view;
    info.mem->request_virt_barray = requestArray;
    info.mem->realize_virt_arrays = realizeArrays;
    info.mem->access_virt_barray = accessArray;
}

} // namespace images
