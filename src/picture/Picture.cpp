#include "Picture.h"

#include "layout/Errors.h"
#include "picture/binary/Integers.h"
#include "picture/binary/MulDiv.h"
#include "picture/emf/EmfReader.h"

namespace pluvane {

Picture Picture::fromEmfBytes(std::vector<std::uint8_t> bytes)
{
    const auto header = readEmfHeader(bytes);
    if (!header || header->bytes != bytes.size() || header->device.cx <= 0 || header->device.cy <= 0
        || header->millimeters.cx <= 0 || header->millimeters.cy <= 0)
        throw EInvalidGraphic();

    // Every measure is worked out in 64 bits and kept only when it fits: a
    // header whose sizes do not is not one of ours.
    const auto widthHmm = checkedInt32(std::int64_t { header->frame.right } - header->frame.left);
    const auto heightHmm = checkedInt32(std::int64_t { header->frame.bottom } - header->frame.top);
    const auto widthMmHundredths = checkedInt32(std::int64_t { header->millimeters.cx } * 100);
    const auto heightMmHundredths = checkedInt32(std::int64_t { header->millimeters.cy } * 100);
    if (!widthHmm || !heightHmm || !widthMmHundredths || !heightMmHundredths || *widthHmm <= 0 || *heightHmm <= 0)
        throw EInvalidGraphic();
    // Back from 0.01 mm to pixels of the reference screen.
    const auto widthPx = mulDiv(*widthHmm, header->device.cx, *widthMmHundredths);
    const auto heightPx = mulDiv(*heightHmm, header->device.cy, *heightMmHundredths);
    if (!widthPx || !heightPx || *widthPx <= 0 || *heightPx <= 0)
        throw EInvalidGraphic();

    Picture p;
    p.m_widthHmm = *widthHmm;
    p.m_heightHmm = *heightHmm;
    p.m_widthPx = *widthPx;
    p.m_heightPx = *heightPx;
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
