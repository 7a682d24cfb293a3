// The fast search for processors with AVX2 with the bit instructions that come with it.
// Only the functions defined after the target switch below are compiled for it: the library
// headers come first, so that nothing the rest of the program shares is built for it.

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))

#include <immintrin.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

#include "ai/kernels.h"
#include "ai/weight_table.h"
#include "board/cell.h"
#include "match/dsc_prog.h"

#if defined(__clang__)
#pragma clang attribute push(__attribute__((target("avx2,bmi,bmi2,lzcnt,popcnt"))), \
                             apply_to = function)
#else
#pragma GCC push_options
#pragma GCC target("avx2,bmi,bmi2,lzcnt,popcnt")
#endif

#define DISCADA_KERNEL_NAMESPACE avx2
#define DISCADA_KERNEL_AVX2 1
#include "ai/kernels_body.h"

#if defined(__clang__)
#pragma clang attribute pop
#else
#pragma GCC pop_options
#endif

#endif
