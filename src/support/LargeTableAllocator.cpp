#include "support/LargeTableAllocator.h"

#include <QtGlobal>

#include <cstdlib>

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#endif

namespace {

constexpr std::size_t HugePage = std::size_t(2) << 20;

bool isLarge(std::size_t bytes)
{
    return bytes >= HugePage;
}

std::size_t wholePages(std::size_t bytes)
{
    return (bytes + HugePage - 1) / HugePage * HugePage;
}

} // namespace

void *LargeTable::allocate(std::size_t bytes)
{
    if (!isLarge(bytes))
        return ::operator new(bytes);
    void *memory = std::aligned_alloc(HugePage, wholePages(bytes));
    if (!memory)
        throw std::bad_alloc();
#if defined(Q_OS_LINUX) && defined(MADV_HUGEPAGE)
    // Only advice: without huge pages the table works the same.
    madvise(memory, wholePages(bytes), MADV_HUGEPAGE);
#endif
    return memory;
}

void LargeTable::deallocate(void *memory, std::size_t bytes) noexcept
{
    if (isLarge(bytes))
        std::free(memory);
    else
        ::operator delete(memory);
}
