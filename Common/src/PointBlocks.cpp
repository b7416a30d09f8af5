#include "PointBlocks.h"

#include <sys/mman.h>

#include <new>

namespace Pelm {

namespace {

constexpr std::size_t kAlignment = alignof(std::max_align_t);

std::size_t alignedUp(std::size_t bytes) { return (bytes + kAlignment - 1) / kAlignment * kAlignment; }

} // namespace

PointBlocks::PointBlocks(std::size_t blockSize_) : blockSize(alignedUp(blockSize_ ? blockSize_ : 1)) {}

PointBlocks::~PointBlocks()
{
    for (const Block& block : blocks)
        munmap(block.start, block.size);
}

void* PointBlocks::take(std::size_t bytes)
{
    if (bytes > static_cast<std::size_t>(-1) - kAlignment)
        throw std::bad_alloc();
    const std::size_t wanted = alignedUp(bytes ? bytes : 1);
    std::lock_guard<std::mutex> guard(lock);
    if (blocks.empty() || blocks.back().size - used < wanted) {
        const std::size_t size = wanted > blockSize ? wanted : blockSize;
        blocks.reserve(blocks.size() + 1);
        void* start = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (start == MAP_FAILED)
            throw std::bad_alloc();
#ifdef MADV_HUGEPAGE
        madvise(start, size, MADV_HUGEPAGE);
#endif
        blocks.push_back({static_cast<unsigned char*>(start), size});
        used = 0;
    }
    void* taken = blocks.back().start + used;
    used += wanted;
    return taken;
}

} // namespace Pelm
