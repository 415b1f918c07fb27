#include "random.h"

#include <ctime>

namespace {
uint32_t state = 1;
}

void random_seed(uint32_t seed) {
    state = seed;
}

void random_seed_from_clock() {
    random_seed(static_cast<uint32_t>(std::time(nullptr)));
}

int random_next() {
    state = state * 214013u + 2531011u;
    return static_cast<int>((state >> 16) & 0x7FFF);
}
