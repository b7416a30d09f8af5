#ifndef HLV_SPALLOC_H
#define HLV_SPALLOC_H

// Memory from the host's block allocator.

#include <cstddef>
#include <utility>

namespace ai {

struct SPAlloc {
    // Throws ai::Error('MEM!') when the host has no block to give.
    static void* AllocateBlock(std::size_t size);
    static void DeleteBlock(void* block);
};

// count elements in one host block; no block for a count of 0.
template <typename T>
class AutoBuffer {
public:
    explicit AutoBuffer(std::size_t count = 0)
        : fCount(count), fBuffer(count ? static_cast<T*>(SPAlloc::AllocateBlock(count * sizeof(T))) : nullptr)
    {
    }
    AutoBuffer(AutoBuffer&& other) noexcept
        : fCount(std::exchange(other.fCount, 0)), fBuffer(std::exchange(other.fBuffer, nullptr))
    {
    }
    AutoBuffer& operator=(AutoBuffer&& other) noexcept
    {
        std::swap(fCount, other.fCount);
        std::swap(fBuffer, other.fBuffer);
        return *this;
    }
    ~AutoBuffer() { SPAlloc::DeleteBlock(fBuffer); }

    T* GetBuffer() const { return fBuffer; }
    std::size_t GetCount() const { return fCount; }

private:
    std::size_t fCount;
    T* fBuffer;
};

} // namespace ai

#endif
