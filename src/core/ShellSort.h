#pragma once

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

}  // namespace quintara
