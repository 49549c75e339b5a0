#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace pluvane {

// Bounds-checked little-endian reads from a byte span. A read past the end
// yields nothing instead of touching memory outside the span, so a reader
// built on it survives any byte sequence.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> data) : m_data(data) {}

    std::size_t size() const { return m_data.size(); }
    bool has(std::size_t offset, std::size_t count) const
    {
        return offset <= m_data.size() && count <= m_data.size() - offset;
    }

    std::optional<std::uint16_t> u16(std::size_t offset) const
    {
        if (!has(offset, 2))
            return std::nullopt;
        return static_cast<std::uint16_t>(m_data[offset] | (m_data[offset + 1] << 8));
    }
    std::optional<std::int16_t> i16(std::size_t offset) const
    {
        const auto v = u16(offset);
        return v ? std::optional<std::int16_t>(static_cast<std::int16_t>(*v)) : std::nullopt;
    }
    std::optional<std::uint32_t> u32(std::size_t offset) const
    {
        const auto lo = u16(offset);
        const auto hi = u16(offset + 2);
        if (!lo || !hi)
            return std::nullopt;
        return static_cast<std::uint32_t>(*lo) | (static_cast<std::uint32_t>(*hi) << 16);
    }
    std::optional<std::int32_t> i32(std::size_t offset) const
    {
        const auto v = u32(offset);
        return v ? std::optional<std::int32_t>(static_cast<std::int32_t>(*v)) : std::nullopt;
    }
    std::optional<std::uint8_t> u8(std::size_t offset) const
    {
        if (!has(offset, 1))
            return std::nullopt;
        return m_data[offset];
    }
    std::span<const std::uint8_t> slice(std::size_t offset, std::size_t count) const
    {
        if (!has(offset, count))
            return {};
        return m_data.subspan(offset, count);
    }

private:
    std::span<const std::uint8_t> m_data;
};

} // namespace pluvane
