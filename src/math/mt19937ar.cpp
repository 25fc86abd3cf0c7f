#include "math/mt19937ar.h"

namespace {

constexpr int N = 624;
constexpr int M = 397;
constexpr uint32_t MATRIX_A = 0x9908b0dfu;
constexpr uint32_t UPPER_MASK = 0x80000000u;
constexpr uint32_t LOWER_MASK = 0x7fffffffu;

uint32_t mt[N];
int mti = N + 1;  // N + 1: not seeded yet

}  // namespace

void init_genrand(uint32_t s) {
    mt[0] = s;
    for (mti = 1; mti < N; mti++)
        mt[mti] = 1812433253u * (mt[mti - 1] ^ (mt[mti - 1] >> 30)) + static_cast<uint32_t>(mti);
}

void init_by_array(const Array<uint32_t>& key, int key_length) {
    init_genrand(19650218u);
    int i = 1, j = 0;
    for (int k = (N > key_length ? N : key_length); k; k--) {
        mt[i] = (mt[i] ^ ((mt[i - 1] ^ (mt[i - 1] >> 30)) * 1664525u)) + key[j] + static_cast<uint32_t>(j);
        i++;
        j++;
        if (i >= N) {
            mt[0] = mt[N - 1];
            i = 1;
        }
        if (j >= key_length) j = 0;
    }
    for (int k = N - 1; k; k--) {
        mt[i] = (mt[i] ^ ((mt[i - 1] ^ (mt[i - 1] >> 30)) * 1566083941u)) - static_cast<uint32_t>(i);
        i++;
        if (i >= N) {
            mt[0] = mt[N - 1];
            i = 1;
        }
    }
    mt[0] = 0x80000000u;  // MSB is 1, assuring a non-zero initial array
}

uint32_t genrand_int32() {
    static const uint32_t mag01[2] = {0u, MATRIX_A};
    uint32_t y;
    if (mti >= N) {
        if (mti == N + 1) init_genrand(5489u);
        int kk = 0;
        for (; kk < N - M; kk++) {
            y = (mt[kk] & UPPER_MASK) | (mt[kk + 1] & LOWER_MASK);
            mt[kk] = mt[kk + M] ^ (y >> 1) ^ mag01[y & 1u];
        }
        for (; kk < N - 1; kk++) {
            y = (mt[kk] & UPPER_MASK) | (mt[kk + 1] & LOWER_MASK);
            mt[kk] = mt[kk + (M - N)] ^ (y >> 1) ^ mag01[y & 1u];
        }
        y = (mt[N - 1] & UPPER_MASK) | (mt[0] & LOWER_MASK);
        mt[N - 1] = mt[M - 1] ^ (y >> 1) ^ mag01[y & 1u];
        mti = 0;
    }
    y = mt[mti++];
    y ^= (y >> 11);
    y ^= (y << 7) & 0x9d2c5680u;
    y ^= (y << 15) & 0xefc60000u;
    y ^= (y >> 18);
    return y;
}

int32_t genrand_int31() { return static_cast<int32_t>(genrand_int32() >> 1); }

double genrand_real1() { return static_cast<double>(genrand_int32() * (1.0L / 4294967295.0L)); }

double genrand_real2() { return static_cast<double>(genrand_int32() * (1.0L / 4294967296.0L)); }

double genrand_real3() { return static_cast<double>((genrand_int32() + 0.5L) * (1.0L / 4294967296.0L)); }

double genrand_res53() {
    const uint32_t a = genrand_int32() >> 5;
    const uint32_t b = genrand_int32() >> 6;
    return static_cast<double>((a * 67108864.0L + b) * (1.0L / 9007199254740992.0L));
}
