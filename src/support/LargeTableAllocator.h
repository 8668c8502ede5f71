#pragma once

#include <cstddef>
#include <new>

// Room for the largest tables (the marks of millions of singles), taken in
// huge pages where the system offers them: the first touch of a fresh table
// then faults once per 2 MB instead of once per 4 KB, which on the whole
// space is most of the time the first hand-over takes. Smaller tables come
// from the ordinary heap.
namespace LargeTable {
void *allocate(std::size_t bytes);
void deallocate(void *memory, std::size_t bytes) noexcept;
} // namespace LargeTable

template<typename T>
struct LargeTableAllocator
{
    using value_type = T;

    LargeTableAllocator() = default;
    template<typename U>
    LargeTableAllocator(const LargeTableAllocator<U> &) noexcept
    {
    }

    T *allocate(std::size_t n) { return static_cast<T *>(LargeTable::allocate(n * sizeof(T))); }
    void deallocate(T *memory, std::size_t n) noexcept { LargeTable::deallocate(memory, n * sizeof(T)); }

    template<typename U>
    bool operator==(const LargeTableAllocator<U> &) const noexcept
    {
        return true;
    }
};
