#pragma once

// The instruction set that the search's per-processor code in this translation unit is built for.
// A file that builds the copy of a wider set (kernels_avx2.cpp, kernels_avx512.cpp) names it
// before any include: DISCADA_KERNEL_NAMESPACE, DISCADA_KERNEL_TARGET and the feature macros
// DISCADA_KERNEL_AVX2 and DISCADA_KERNEL_AVX512; every other file gets the portable copy.
//
// The code between DISCADA_KERNELS_BEGIN and DISCADA_KERNELS_END is the only code compiled for the
// wider set, and it all lies in the set's own inline namespace: the one pair of macros opens both,
// so nothing built for one set can carry the name of another's (see kernels_body.h).

#ifndef DISCADA_KERNEL_NAMESPACE
#define DISCADA_KERNEL_NAMESPACE portable
#endif
#ifndef DISCADA_KERNEL_AVX2
#define DISCADA_KERNEL_AVX2 0
#endif
#ifndef DISCADA_KERNEL_AVX512
#define DISCADA_KERNEL_AVX512 0
#endif

#define DISCADA_PRAGMA(text) _Pragma(#text)
#if !defined(DISCADA_KERNEL_TARGET)
#define DISCADA_TARGET_PUSH(isa)
#define DISCADA_TARGET_POP
#elif defined(__clang__)
#define DISCADA_TARGET_PUSH(isa) \
    DISCADA_PRAGMA(clang attribute push(__attribute__((target(isa))), apply_to = function))
#define DISCADA_TARGET_POP DISCADA_PRAGMA(clang attribute pop)
#else
#define DISCADA_TARGET_PUSH(isa) DISCADA_PRAGMA(GCC push_options) DISCADA_PRAGMA(GCC target(isa))
#define DISCADA_TARGET_POP DISCADA_PRAGMA(GCC pop_options)
#endif

#define DISCADA_KERNELS_BEGIN                   \
    inline namespace DISCADA_KERNEL_NAMESPACE { \
    DISCADA_TARGET_PUSH(DISCADA_KERNEL_TARGET)
#define DISCADA_KERNELS_END \
    DISCADA_TARGET_POP      \
    }
