// The bitboard and its searches for processors with AVX2 and the bit instructions that come with
// it.
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define DISCADA_KERNEL_NAMESPACE avx2
#define DISCADA_KERNEL_TARGET "avx2,bmi,bmi2,lzcnt,popcnt"
#define DISCADA_KERNEL_AVX2 1
#include "ai/kernels_body.h"
#endif
