#include "ByteWriter.h"

#include <bit>

namespace pluvane {

void ByteWriter::f32(float v)
{
    u32(std::bit_cast<std::uint32_t>(v));
}

} // namespace pluvane
