#ifndef PELM_POINTBLOCKS_H
#define PELM_POINTBLOCKS_H

// Memory for the points of one large sketch as it is read: a few large
// blocks, handed out front to back, that the system may back with huge
// pages (so that the first touch of the memory costs few page faults), and
// given back all at once when the last stroke that took from them goes.

#include <cstddef>
#include <memory>
#include <mutex>
#include <new>
#include <type_traits>
#include <vector>

namespace Pelm {

class PointBlocks {
public:
    // Each block holds at least `blockSize` bytes.
    explicit PointBlocks(std::size_t blockSize);
    ~PointBlocks();
    PointBlocks(const PointBlocks&) = delete;
    PointBlocks& operator=(const PointBlocks&) = delete;

    // `bytes` aligned for any point; throws std::bad_alloc when the system
    // has no memory left. Nothing taken is given back before destruction.
    void* take(std::size_t bytes);

private:
    struct Block {
        unsigned char* start;
        std::size_t size;
    };

    const std::size_t blockSize;
    std::mutex lock;
    std::vector<Block> blocks;
    std::size_t used = 0; // of the last block
};

// A container allocator over PointBlocks, or over the heap when it has none.
// A copy of a container goes to the heap: it may outlive the sketch read.
template <typename T>
class PointBlockAllocator {
public:
    using value_type = T;
    using propagate_on_container_copy_assignment = std::false_type;
    using propagate_on_container_move_assignment = std::true_type;
    using propagate_on_container_swap = std::true_type;

    PointBlockAllocator() noexcept = default;
    explicit PointBlockAllocator(std::shared_ptr<PointBlocks> from) noexcept : blocks(std::move(from)) {}
    template <typename U>
    PointBlockAllocator(const PointBlockAllocator<U>& other) noexcept : blocks(other.blocks)
    {
    }

    T* allocate(std::size_t count)
    {
        static_assert(alignof(T) <= alignof(std::max_align_t), "blocks align for max_align_t");
        if (!blocks)
            return std::allocator<T>().allocate(count);
        if (count > static_cast<std::size_t>(-1) / sizeof(T))
            throw std::bad_alloc();
        return static_cast<T*>(blocks->take(count * sizeof(T)));
    }

    void deallocate(T* elements, std::size_t count) noexcept
    {
        if (!blocks)
            std::allocator<T>().deallocate(elements, count);
    }

    PointBlockAllocator select_on_container_copy_construction() const { return PointBlockAllocator(); }

    template <typename U>
    bool operator==(const PointBlockAllocator<U>& other) const noexcept
    {
        return blocks == other.blocks;
    }
    template <typename U>
    bool operator!=(const PointBlockAllocator<U>& other) const noexcept
    {
        return blocks != other.blocks;
    }

    std::shared_ptr<PointBlocks> blocks;
};

} // namespace Pelm

#endif
