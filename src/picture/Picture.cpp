#include "Picture.h"

#include "layout/Errors.h"
#include "picture/binary/MulDiv.h"
#include "picture/emf/EmfReader.h"

namespace pluvane {

Picture Picture::fromEmfBytes(std::vector<std::uint8_t> bytes)
{
    const auto header = readEmfHeader(bytes);
    if (!header || header->bytes != bytes.size() || header->device.cx <= 0 || header->device.cy <= 0
        || header->millimeters.cx <= 0 || header->millimeters.cy <= 0)
        throw EInvalidGraphic();

    Picture p;
    p.m_widthHmm = header->frame.right - header->frame.left;
    p.m_heightHmm = header->frame.bottom - header->frame.top;
    if (p.m_widthHmm <= 0 || p.m_heightHmm <= 0)
        throw EInvalidGraphic();
    // Back from 0.01 mm to pixels of the reference screen.
    p.m_widthPx = mulDiv(p.m_widthHmm, header->device.cx, header->millimeters.cx * 100);
    p.m_heightPx = mulDiv(p.m_heightHmm, header->device.cy, header->millimeters.cy * 100);
    p.m_bytes = std::make_shared<const std::vector<std::uint8_t>>(std::move(bytes));
    return p;
}

std::span<const std::uint8_t> Picture::bytes() const
{
    if (!m_bytes)
        return {};
    return *m_bytes;
}

Picture Picture::independentCopy() const
{
    Picture copy = *this;
    if (m_bytes)
        copy.m_bytes = std::make_shared<const std::vector<std::uint8_t>>(*m_bytes);
    return copy;
}

} // namespace pluvane
