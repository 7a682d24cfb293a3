// The bitboard and its searches for processors with AVX-512 (foundation, vector length, conflict
// detection), used on 256-bit registers.
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define DISCADA_KERNEL_NAMESPACE avx512
#define DISCADA_KERNEL_TARGET "avx2,bmi,bmi2,lzcnt,popcnt,avx512f,avx512vl,avx512cd"
#define DISCADA_KERNEL_AVX2 1
#define DISCADA_KERNEL_AVX512 1
#include "ai/kernels_body.h"
#endif
