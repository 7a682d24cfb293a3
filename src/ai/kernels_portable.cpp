// The bitboard and its searches on the basic instruction set of the target.
#define DISCADA_KERNEL_NAMESPACE portable
#include "ai/kernels_body.h"
