#include "SPAlloc.h"

#include "AIError.h"
#include "SuitePointers.h"

namespace ai {

void* SPAlloc::AllocateBlock(std::size_t size)
{
    void* block = nullptr;
    if (!sSPBlocks || sSPBlocks->AllocateBlock(size, "ai::SPAlloc::AllocateBlock", &block) != kNoErr ||
        !block)
        throw ai::Error(kOutOfMemoryErr);
    return block;
}

void SPAlloc::DeleteBlock(void* block)
{
    if (block && sSPBlocks)
        sSPBlocks->FreeBlock(block);
}

} // namespace ai
