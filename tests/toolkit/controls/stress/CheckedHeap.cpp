#include "CheckedHeap.h"

#include <windows.h>

#include <atomic>
#include <cstddef>
#include <new>

namespace {

std::atomic<long long> g_liveBlocks{0};

// Made on first use: allocations start before any static constructor of this file runs.
HANDLE Heap() {
    static const HANDLE heap = ::HeapCreate(0, 0, 0);
    return heap;
}

void* Allocate(std::size_t size) noexcept {
    void* block = ::HeapAlloc(Heap(), 0, size ? size : 1);
    if (block) ++g_liveBlocks;
    return block;
}

void Release(void* block) noexcept {
    if (!block) return;
    --g_liveBlocks;
    ::HeapFree(Heap(), 0, block);
}

}  // namespace

namespace stress {

bool CheckedHeapIsValid() { return ::HeapValidate(Heap(), 0, nullptr) != FALSE; }

long long CheckedHeapLiveBlocks() { return g_liveBlocks.load(); }

}  // namespace stress

void* operator new(std::size_t size) {
    if (void* block = Allocate(size)) return block;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void operator delete(void* block) noexcept { Release(block); }
void operator delete[](void* block) noexcept { Release(block); }
void operator delete(void* block, std::size_t) noexcept { Release(block); }
void operator delete[](void* block, std::size_t) noexcept { Release(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { Release(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { Release(block); }
