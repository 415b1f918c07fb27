#pragma once
// The program-wide pseudo-random generator: values 0..32767, the classic linear congruential
// recurrence, seeded once from the clock at start-up and seedable by tests.
#include <cstdint>

void random_seed(uint32_t seed);
void random_seed_from_clock();
int random_next(); // 0..32767
