#include "hardware/mersennetwister.h"

#include "hardware/vectorclones.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t N = 624;
constexpr std::size_t M = 397;
constexpr std::uint32_t MatrixA = 0x9908b0dfu;
constexpr std::uint32_t UpperMask = 0x80000000u;
constexpr std::uint32_t LowerMask = 0x7fffffffu;

inline std::uint32_t twisted(std::uint32_t current, std::uint32_t next, std::uint32_t far)
{
    const std::uint32_t y = (current & UpperMask) | (next & LowerMask);
    return far ^ (y >> 1) ^ ((0u - (y & 1u)) & MatrixA);
}

} // namespace

MersenneTwister::MersenneTwister(std::uint32_t seed)
{
    this->seed(seed);
}

void MersenneTwister::seed(std::uint32_t value)
{
    m_state[0] = value;
    for (std::size_t i = 1; i < N; ++i)
        m_state[i] = 1812433253u * (m_state[i - 1] ^ (m_state[i - 1] >> 30)) + std::uint32_t(i);
    m_index = N;
}

// Three loops instead of one with a modulo: in each the word read from afar is either all
// old or all new, at a fixed distance of at least 227, so every loop vectorizes.
PRALUNE_VECTOR_CLONES
void MersenneTwister::twist()
{
    std::uint32_t *s = m_state;
    for (std::size_t i = 0; i < N - M; ++i)
        s[i] = twisted(s[i], s[i + 1], s[i + M]);
    for (std::size_t i = N - M; i < N - 1; ++i)
        s[i] = twisted(s[i], s[i + 1], s[i + M - N]);
    s[N - 1] = twisted(s[N - 1], s[0], s[M - 1]);
}

PRALUNE_VECTOR_CLONES
void MersenneTwister::temper(std::uint32_t *out) const
{
    for (std::size_t i = 0; i < N; ++i) {
        std::uint32_t y = m_state[i];
        y ^= y >> 11;
        y ^= (y << 7) & 0x9d2c5680u;
        y ^= (y << 15) & 0xefc60000u;
        y ^= y >> 18;
        out[i] = y;
    }
}

std::uint32_t MersenneTwister::operator()()
{
    if (m_index == N) {
        twist();
        temper(m_output);
        m_index = 0;
    }
    return m_output[m_index++];
}

void MersenneTwister::generate(std::uint32_t *out, std::size_t count)
{
    const std::size_t buffered = std::min(count, N - m_index);
    std::memcpy(out, m_output + m_index, buffered * sizeof(std::uint32_t));
    m_index += buffered;
    out += buffered;
    count -= buffered;
    // Whole blocks are tempered straight into the caller's buffer.
    while (count >= N) {
        twist();
        temper(out);
        out += N;
        count -= N;
    }
    if (count > 0) {
        twist();
        temper(m_output);
        std::memcpy(out, m_output, count * sizeof(std::uint32_t));
        m_index = count;
    }
}
