#pragma once

#include <filesystem>
#include <nlohmann/json.hpp>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/History.h"

namespace quintara::cli {

// Bad command-line use found by a command itself: the program prints the message and exits with 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A command that could not do its work: the program prints the message and exits with 1.
class Failure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What a command runs with: the application directory and the two output streams.
struct Context {
    std::filesystem::path appDir;
    std::ostream& out;
    std::ostream& err;
    // Where the shipped wheels are when appDir lacks them; empty when appDir is the only folder.
    std::filesystem::path shareDir{};
};

// A report of the program (CR LF line ends) as the command line prints it, every CR LF made LF.
std::string WithLf(std::string_view text);

// A JSON document whose keys keep the order they were added in.
using Json = nlohmann::ordered_json;

// Writes `json` on one line. Bytes that are not UTF-8 (a machine name from an old file) become U+FFFD
// rather than invalid JSON.
void WriteJson(const Context& context, const Json& json);

// The fields of a comma-separated list given to `option` ("--balls"), blanks around them trimmed and
// empty ones kept for the command's own checks. A list that ends with a comma is refused alike by every
// command: a number left out there is a mistake, not a shorter list.
std::vector<std::string> CommaList(std::string_view option, std::string_view text);

// A game's history, or a Failure naming its file. Reading never creates a missing file.
template <class Rec>
OneBased<Rec> LoadDraws(const Context& context) {
    auto draws = ReadHistory<Rec>(context.appDir, false);
    if (!draws) {
        throw Failure(draws.error().text);
    }
    return std::move(*draws);
}

// A list of numbers (balls, pointers, counts) as a JSON array.
template <class Ints>
Json Numbers(const Ints& values) {
    Json list = Json::array();
    for (auto v : values) {
        list.push_back(static_cast<long long>(v));
    }
    return list;
}

}  // namespace quintara::cli
