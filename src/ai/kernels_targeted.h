#pragma once

// The entries of one instruction set that the compiler does not target by default. The including
// file names the set (DISCADA_KERNEL_NAMESPACE, DISCADA_KERNEL_TARGET and the feature macros of
// bitboard.h). Only the functions defined after the target switch below are compiled for it:
// the library headers come first, so that nothing the rest of the program shares is built for it.

#include <immintrin.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "ai/kernels.h"
#include "ai/weight_table.h"
#include "board/cell.h"
#include "match/dsc_prog.h"

#define DISCADA_PRAGMA(text) _Pragma(#text)
#if defined(__clang__)
#define DISCADA_TARGET_PUSH(isa) \
    DISCADA_PRAGMA(clang attribute push(__attribute__((target(isa))), apply_to = function))
#define DISCADA_TARGET_POP DISCADA_PRAGMA(clang attribute pop)
#else
#define DISCADA_TARGET_PUSH(isa) DISCADA_PRAGMA(GCC push_options) DISCADA_PRAGMA(GCC target(isa))
#define DISCADA_TARGET_POP DISCADA_PRAGMA(GCC pop_options)
#endif

DISCADA_TARGET_PUSH(DISCADA_KERNEL_TARGET)
#include "ai/kernels_body.h"
DISCADA_TARGET_POP
