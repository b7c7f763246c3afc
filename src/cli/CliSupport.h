#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/Games.h"
#include "core/History.h"

namespace quintara::cli {

// Bad command-line use: the program prints the message and exits with 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A command that could not do its work: the program prints the message and exits with 1.
class Failure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The options and positional arguments of one command, checked against what the command accepts.
class Args {
public:
    // `valued` are options that take a value (--game X), `flags` those that do not (--json).
    Args(const std::vector<std::string>& words, const std::set<std::string>& valued,
         const std::set<std::string>& flags);

    bool Has(const std::string& option) const;
    std::optional<std::string> Value(const std::string& option) const;
    std::string Required(const std::string& option) const;
    const std::vector<std::string>& Positional() const { return m_positional; }

private:
    std::map<std::string, std::string> m_values;
    std::set<std::string> m_flags;
    std::vector<std::string> m_positional;
};

struct Context {
    std::filesystem::path appDir;
    std::ostream& out;
    std::ostream& err;
};

// The --game value: lotto, lotto-extra, thunderball, daily-play or the game's own name.
Game ParseGame(const std::string& text);

// The application folder: the one holding the executable unless QUINTARA_APP_DIR names another.
std::filesystem::path DefaultAppDir(const char* argv0);

std::string ReadTextFile(const std::filesystem::path& path);

// A game's history, or a Failure naming its file. Reading never creates a missing file.
template <class Rec>
OneBased<Rec> LoadDraws(const Context& context) {
    auto draws = ReadHistory<Rec>(context.appDir, false);
    if (!draws) {
        throw Failure(draws.GetError().message);
    }
    return std::move(*draws);
}

// A small JSON writer: values are written as they come, commas and nesting handled here.
class Json {
public:
    explicit Json(std::ostream& out) : m_out(out) {}
    Json& BeginObject();
    Json& EndObject();
    Json& BeginArray();
    Json& EndArray();
    Json& Key(const std::string& key);
    Json& String(const std::string& value);
    Json& Number(long long value);
    Json& Bool(bool value);
    Json& Raw(const std::string& text);
    template <class Ints>
    Json& Numbers(const Ints& values) {
        BeginArray();
        for (auto v : values) {
            Number(static_cast<long long>(v));
        }
        return EndArray();
    }

private:
    void Separate();
    std::ostream& m_out;
    std::vector<bool> m_first;
    bool m_afterKey = false;
};

}  // namespace quintara::cli
