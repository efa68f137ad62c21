// An allocator for the few large arrays of a build (the plan's columns): a
// block of half a megabyte or more is aligned to 2 MiB and, on Linux, marked
// for transparent huge pages, so the kernel maps it with a handful of faults
// instead of one per 4 KiB page (the plan of a 1,000,000 m line is 16 MB, and
// page faults were most of its cost). Small blocks come from the usual heap.
// The hint changes no byte of anything computed.
#pragma once

#include <cstddef>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace compattatore {

template <class T>
class AllocatoreGrande {
public:
    using value_type = T;

    AllocatoreGrande() = default;
    template <class U>
    AllocatoreGrande(const AllocatoreGrande<U>&) noexcept {}

    T* allocate(std::size_t n) {
        const std::size_t byte = n * sizeof(T);
        if (n > static_cast<std::size_t>(-1) / sizeof(T)) throw std::bad_array_new_length();
        if (byte < soglia) return static_cast<T*>(::operator new(byte));
        const std::size_t arrotondati = (byte + pagina_grande - 1) / pagina_grande * pagina_grande;
        void* p = ::operator new(arrotondati, std::align_val_t{pagina_grande});
#if defined(__linux__) && defined(MADV_HUGEPAGE)
        madvise(p, arrotondati, MADV_HUGEPAGE);  // a hint: its failure changes nothing
#endif
        return static_cast<T*>(p);
    }

    void deallocate(T* p, std::size_t n) noexcept {
        const std::size_t byte = n * sizeof(T);
        if (byte < soglia) {
            ::operator delete(p);
        } else {
            ::operator delete(p, std::align_val_t{pagina_grande});
        }
    }

    template <class U>
    bool operator==(const AllocatoreGrande<U>&) const noexcept {
        return true;
    }

private:
    static constexpr std::size_t pagina_grande = std::size_t{2} << 20;
    static constexpr std::size_t soglia = std::size_t{512} << 10;
};

}  // namespace compattatore
