#pragma once

#include <cstdint>
#include <type_traits>

namespace quintara {

// A sort without anything carried alongside the keys.
struct NoPayload {};

// The program's Shell sort: gapped insertion with the gaps n/2, n/4, .., 1. It is not stable, and the
// order it leaves among equal keys is part of the program's behaviour, so every sort of a statistic goes
// through these passes. `inOrder(a, b)` says that key a may stay before key b; the inner walk stops at
// the first pair in order.
//
// The keys and what travels with them (a ball, say) are kept in separate arrays, both indexed 1..n
// (element 0 is never touched). Moving whole padded records instead makes the processor stall on every
// move, which costs more than the comparisons.
template <class Key, class Payload, class InOrder>
void ShellSortPasses(Key* keys, Payload* payloads, int n, InOrder inOrder) {
    constexpr bool kCarries = !std::is_same_v<Payload, NoPayload>;
    for (int gap = n / 2; gap >= 1; gap /= 2) {
        for (int i = gap + 1; i <= n; ++i) {
            // Each swap of the inner walk carries the same element, the one at i, one gap down, so it is
            // moved once at the end instead of swapped at every step.
            const Key movingKey = keys[i];
            Payload movingPayload{};
            if constexpr (kCarries) {
                movingPayload = payloads[i];
            }
            int j = i - gap;
            while (j >= 1 && !inOrder(keys[j], movingKey)) {
                keys[j + gap] = keys[j];
                if constexpr (kCarries) {
                    payloads[j + gap] = payloads[j];
                }
                j -= gap;
            }
            keys[j + gap] = movingKey;
            if constexpr (kCarries) {
                payloads[j + gap] = movingPayload;
            }
        }
    }
}

// The position (1..n) of the element the Shell sort above puts first among n <= 7 keys[1..n], the higher
// key first, without sorting: 0 when n is larger or a key does not compare (not a number). Such short
// runs make one pass of gap n / 2 (when that is over 1) before the last; that pass leaves each gap
// class headed by its first highest key, at positions 1..gap, and the last pass, stable, then puts first
// the head of the lowest class holding the highest key.
template <class Key>
int ShellSortFirst(const Key* keys, int n) {
    if (n > 7 || n < 1) {
        return 0;
    }
    Key highest = keys[1];
    for (int p = 1; p <= n; ++p) {
        if (!(keys[p] == keys[p])) {
            return 0;
        }
        highest = keys[p] > highest ? keys[p] : highest;
    }
    const int gap = n >= 4 ? n / 2 : 1;
    for (int c = 1; c <= gap; ++c) {
        for (int p = c; p <= n; p += gap) {
            if (keys[p] == highest) {
                return p;
            }
        }
    }
    return 0;
}

// The most elements ShellSortOrder takes: one bit each, in a 64-bit word, for positions 1..63.
inline constexpr int kMostOrdered = 63;

// The order the Shell sort above leaves `n` elements in, elements 1..n with keys[1..n], the higher key
// first and equal keys as the passes leave them; order[1..n] receives the elements' positions. It does
// the same passes without a branch on the keys: an element's place in its gap class is the count of the
// class members with a higher key, plus those with an equal key ahead of it, taken from bit sets of
// positions. For a game's 49 balls that takes half the time of the insertions, whose every step the
// processor guesses wrongly half the time. Returns false, touching nothing, for n over kMostOrdered or
// keys spread over 4096 or more values.
bool ShellSortOrder(const std::int32_t* keys, int n, std::uint8_t* order);

}  // namespace quintara
