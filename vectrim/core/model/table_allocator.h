// Storage for the drawing's fixed-capacity tables.
//
// A drawing reserves room for 99999 lines and arcs and twice as many order
// and free-end entries, some 16 MB, while most drawings use a small part of
// it. The tables are taken from the system as zero-filled pages that are
// mapped only when first written, so a drawing costs what it uses, and
// sizing a table does not write its slots: the slots above the counts read
// as zero bytes until something is stored there.
#pragma once

#include <cstddef>
#include <cstdlib>
#include <new>
#include <utility>
#include <vector>

namespace vectrim {

template <class T>
struct TableAllocator {
    using value_type = T;

    TableAllocator() = default;
    template <class U>
    TableAllocator(const TableAllocator<U>&) noexcept {}

    T* allocate(std::size_t n) {
        // calloc hands large blocks out as fresh zero pages without
        // clearing them.
        void* p = std::calloc(n, sizeof(T));
        if (!p) throw std::bad_alloc();
        return static_cast<T*>(p);
    }
    void deallocate(T* p, std::size_t) noexcept { std::free(p); }

    // Sizing a table leaves its slots as allocated (zero bytes); everything
    // else constructs as usual.
    template <class U>
    void construct(U*) noexcept {}
    template <class U, class A, class... Rest>
    void construct(U* p, A&& a, Rest&&... rest) {
        ::new (static_cast<void*>(p)) U(std::forward<A>(a), std::forward<Rest>(rest)...);
    }

    template <class U>
    bool operator==(const TableAllocator<U>&) const noexcept {
        return true;
    }
};

template <class T>
using Table = std::vector<T, TableAllocator<T>>;

} // namespace vectrim
