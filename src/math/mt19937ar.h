#pragma once
// mt19937ar: the MT19937 Mersenne Twister with the interface of its 2002 reference
// implementation. One generator per process, unlocked: only the controller's thread
// draws from it. A draw before any seeding seeds with 5489, as the reference does.

#include "base/Array.h"

#include <cstdint>

void init_genrand(uint32_t s);
// Seeds from key[0] .. key[key_length - 1]; a key_length beyond the key's length
// raises IndexError.
void init_by_array(const Array<uint32_t>& key, int key_length);
uint32_t genrand_int32();
// genrand_int32() >> 1: never negative.
int32_t genrand_int31();
double genrand_real1();  // [0, 1]
double genrand_real2();  // [0, 1)
double genrand_real3();  // (0, 1)
double genrand_res53();  // [0, 1) with 53-bit resolution
