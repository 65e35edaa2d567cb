// An allocator for the index's large arrays that are read at random (the
// form table, the automaton). Blocks of 2 MB and more are mapped on their
// own and offered to the kernel for huge pages: a random lookup then needs
// far fewer address translations, which on a virtual machine cost nearly as
// much as the memory access itself. Small blocks come from the heap.
#pragma once

#include <sys/mman.h>

#include <cstddef>
#include <cstdint>
#include <new>

template <class T>
class CLargeArrayAllocator {
public:
    using value_type = T;

    CLargeArrayAllocator() = default;
    template <class U>
    CLargeArrayAllocator(const CLargeArrayAllocator<U>&) {}

    T* allocate(size_t n) {
        const size_t nBytes = n * sizeof(T);
        if (nBytes < kHugePage)
            return static_cast<T*>(::operator new (nBytes, std::align_val_t{alignof(T)}));
        // Whole huge pages, aligned to one: map a page more and trim.
        const size_t nRounded = (nBytes + kHugePage - 1) / kHugePage * kHugePage;
        void* pRaw = ::mmap(nullptr, nRounded + kHugePage, PROT_READ | PROT_WRITE,
                            MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (pRaw == MAP_FAILED) throw std::bad_alloc();
        const uintptr_t nRaw = reinterpret_cast<uintptr_t>(pRaw);
        const uintptr_t nAligned = (nRaw + kHugePage - 1) / kHugePage * kHugePage;
        if (nAligned > nRaw) ::munmap(pRaw, nAligned - nRaw);
        const uintptr_t nTail = nRaw + nRounded + kHugePage - (nAligned + nRounded);
        if (nTail > 0) ::munmap(reinterpret_cast<void*>(nAligned + nRounded), nTail);
        ::madvise(reinterpret_cast<void*>(nAligned), nRounded, MADV_HUGEPAGE);
        return reinterpret_cast<T*>(nAligned);
    }

    void deallocate(T* p, size_t n) {
        const size_t nBytes = n * sizeof(T);
        if (nBytes < kHugePage) {
            ::operator delete (p, std::align_val_t{alignof(T)});
            return;
        }
        ::munmap(p, (nBytes + kHugePage - 1) / kHugePage * kHugePage);
    }

    template <class U>
    bool operator==(const CLargeArrayAllocator<U>&) const {
        return true;
    }

private:
    static constexpr size_t kHugePage = size_t{2} << 20;
};
