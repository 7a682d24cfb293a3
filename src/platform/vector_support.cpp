#include "platform/vector_support.h"

#include <cstdint>

#include "platform/system.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <cpuid.h>
#define DISCADA_X86_CPUID 1
#endif

namespace discada {

#ifdef DISCADA_X86_CPUID
namespace {

constexpr unsigned kPopcnt = 1u << 23;    // leaf 1, ECX
constexpr unsigned kOsxsave = 1u << 27;   // leaf 1, ECX: the system turned XSAVE on
constexpr unsigned kAvx = 1u << 28;       // leaf 1, ECX
constexpr unsigned kBmi1 = 1u << 3;       // leaf 7, EBX
constexpr unsigned kAvx2 = 1u << 5;       // leaf 7, EBX
constexpr unsigned kAvx512F = 1u << 16;   // leaf 7, EBX
constexpr unsigned kBmi2 = 1u << 8;       // leaf 7, EBX
constexpr unsigned kAvx512Cd = 1u << 28;  // leaf 7, EBX
constexpr unsigned kAvx512Vl = 1u << 31;  // leaf 7, EBX

constexpr std::uint64_t kSseAvxStates = 0x06;  // XMM and YMM registers
constexpr std::uint64_t kAvx512States = 0xE0;  // opmask, ZMM 0-15 upper halves, ZMM 16-31

bool all(unsigned bits, unsigned wanted) {
    return (bits & wanted) == wanted;
}

}  // namespace

VectorSupport vectorSupport() {
    unsigned eax = 0, ebx = 0, ecx1 = 0, edx = 0;
    if (__get_cpuid(1, &eax, &ebx, &ecx1, &edx) == 0) return {};
    unsigned ebx7 = 0, ecx7 = 0;
    if (__get_cpuid_count(7, 0, &eax, &ebx7, &ecx7, &edx) == 0) return {};
    if (!all(ecx1, kOsxsave | kAvx | kPopcnt)) return {};
    const std::uint64_t states = savedVectorStates();
    VectorSupport support;
    support.avx2 = all(ebx7, kAvx2 | kBmi1 | kBmi2) && (states & kSseAvxStates) == kSseAvxStates;
    support.avx512 = support.avx2 && all(ebx7, kAvx512F | kAvx512Vl | kAvx512Cd) &&
                     (states & kAvx512States) == kAvx512States;
    return support;
}

#else

VectorSupport vectorSupport() {
    return {};
}

#endif

}  // namespace discada
