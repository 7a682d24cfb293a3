#pragma once

namespace discada {

struct VectorSupport {
    bool avx2 = false;    // with BMI1, BMI2 and POPCNT
    bool avx512 = false;  // F, VL and CD, on top of avx2
};

// The wide instruction sets that this processor has and that the system lets programs use: the
// processor's feature bits alone are not enough, the system must also save their registers.
VectorSupport vectorSupport();

}  // namespace discada
