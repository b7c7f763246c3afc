#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace quintara::fuzz {

// Seeded, deterministic byte mutations: the same seed gives the same inputs on every machine, since only
// the engine's raw output is used (the standard fixes it; distributions it does not).
class Mutator {
public:
    explicit Mutator(std::uint64_t seed) : m_engine(seed) {}

    std::uint64_t Next() { return m_engine(); }
    std::size_t Below(std::size_t n) { return n == 0 ? 0 : Next() % n; }
    bool OneIn(std::size_t n) { return Below(n) == 0; }

    // One to four mutations of `input` (one in half the cases, so that many inputs stay close to sound
    // ones): bit flips, bytes set to values readers trip on, insertions, deletions, duplicated runs,
    // tokens from `dictionary`, truncation.
    std::string Mutate(std::string input, const std::vector<std::string>& dictionary) {
        const std::size_t rounds = OneIn(2) ? 1 : 1 + Below(4);
        for (std::size_t round = 0; round < rounds; ++round) {
            MutateOnce(input, dictionary);
        }
        return input;
    }

    // A text of up to `length` characters drawn from `alphabet`.
    std::string Text(std::string_view alphabet, std::size_t length) {
        std::string text(Below(length + 1), ' ');
        for (char& c : text) {
            c = alphabet[Below(alphabet.size())];
        }
        return text;
    }

private:
    void MutateOnce(std::string& input, const std::vector<std::string>& dictionary) {
        static constexpr unsigned char kInteresting[] = {0x00, 0xFF, 0x7F, 0x80, 0x81, 0xE9, ' ',  ',', '"',
                                                         '\r', '\n', '\t', '-',  '0',  '9',  0xEF, 0xC3};
        const std::size_t at = Below(input.size() + 1);
        switch (Below(8)) {
        case 0:
            if (at < input.size()) {
                input[at] = static_cast<char>(input[at] ^ (1 << Below(8)));
            }
            break;
        case 1:
            if (at < input.size()) {
                input[at] = static_cast<char>(kInteresting[Below(sizeof kInteresting)]);
            }
            break;
        case 2:
            input.insert(at, 1, static_cast<char>(Below(256)));
            break;
        case 3:
            input.erase(at, 1 + Below(8));
            break;
        case 4: {
            const std::size_t length = Below(16);
            input.insert(at, input.substr(Below(input.size() + 1), length));
            break;
        }
        case 5:
            if (!dictionary.empty()) {
                input.insert(at, dictionary[Below(dictionary.size())]);
            }
            break;
        case 6:
            if (!dictionary.empty() && at < input.size()) {
                const std::string& token = dictionary[Below(dictionary.size())];
                input.replace(at, token.size(), token);
            }
            break;
        default:
            if (OneIn(4)) {
                input.resize(at);
            } else if (at < input.size()) {
                input[at] = static_cast<char>(Below(256));
            }
            break;
        }
    }

    std::mt19937_64 m_engine;
};

// An input as C++ string literal text, for a failure message that can go into the corpus as it is.
inline std::string Escaped(std::string_view bytes) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text = "\"";
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '"' || byte == '\\') {
            text += '\\';
            text += c;
        } else if (byte >= 0x20 && byte < 0x7F) {
            text += c;
        } else {
            text += "\\x";
            text += kHex[byte >> 4];
            text += kHex[byte & 15];
            text += "\"\"";
        }
    }
    return text + "\"";
}

}  // namespace quintara::fuzz
