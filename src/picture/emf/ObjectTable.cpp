#include "ObjectTable.h"

#include <algorithm>

namespace pluvane {

std::size_t ObjectTable::take()
{
    const auto free = std::find(m_inUse.begin(), m_inUse.end(), false);
    const auto slot = static_cast<std::size_t>(free - m_inUse.begin());
    if (free == m_inUse.end())
        m_inUse.push_back(true);
    else
        *free = true;
    return slot;
}

void ObjectTable::release(std::size_t slot)
{
    if (slot >= m_reserved && slot < m_inUse.size())
        m_inUse[slot] = false;
}

} // namespace pluvane
