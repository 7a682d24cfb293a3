// Prints the instruction set whose copy of the search this processor runs.
#include <cstdio>

#include "ai/kernels.h"

int main() {
    std::puts(discada::nameOf(discada::bestKernelIsa()));
}
