#include "ai/kernels.h"

#include <cassert>
#include <initializer_list>

#include "platform/vector_support.h"

namespace discada {

// Each defined by the translation unit of its instruction set.
inline namespace portable {
extern const Kernels kKernels;
}
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
inline namespace avx2 {
extern const Kernels kKernels;
}
inline namespace avx512 {
extern const Kernels kKernels;
}
#endif

bool isSupported(KernelIsa isa) {
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    const VectorSupport support = vectorSupport();
    switch (isa) {
        case KernelIsa::Portable:
            return true;
        case KernelIsa::Avx2:
            return support.avx2;
        case KernelIsa::Avx512:
            return support.avx512;
    }
    return false;
#else
    return isa == KernelIsa::Portable;
#endif
}

KernelIsa bestKernelIsa() {
    static const KernelIsa best = [] {
        for (const KernelIsa isa : {KernelIsa::Avx512, KernelIsa::Avx2}) {
            if (isSupported(isa)) return isa;
        }
        return KernelIsa::Portable;
    }();
    return best;
}

const char* nameOf(KernelIsa isa) {
    switch (isa) {
        case KernelIsa::Portable:
            return "portable";
        case KernelIsa::Avx2:
            return "avx2";
        case KernelIsa::Avx512:
            return "avx512";
    }
    return "?";
}

const Kernels& kernelsFor([[maybe_unused]] KernelIsa isa) {
    assert(isSupported(isa));
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    if (isa == KernelIsa::Avx512) return avx512::kKernels;
    if (isa == KernelIsa::Avx2) return avx2::kKernels;
#endif
    return portable::kKernels;
}

}  // namespace discada
