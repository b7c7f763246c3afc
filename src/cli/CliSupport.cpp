#include "cli/CliSupport.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

namespace quintara::cli {

Args::Args(const std::vector<std::string>& words, const std::set<std::string>& valued,
           const std::set<std::string>& flags) {
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word.rfind("--", 0) != 0 || word == "--") {
            m_positional.push_back(word);
            continue;
        }
        std::string name = word;
        std::optional<std::string> inlineValue;
        if (const auto eq = word.find('='); eq != std::string::npos) {
            name = word.substr(0, eq);
            inlineValue = word.substr(eq + 1);
        }
        if (valued.count(name)) {
            if (!inlineValue) {
                if (i + 1 >= words.size()) {
                    throw UsageError(name + " needs a value");
                }
                inlineValue = words[++i];
            }
            m_values[name] = *inlineValue;
        } else if (flags.count(name) && !inlineValue) {
            m_flags.insert(name);
        } else {
            throw UsageError("unknown option " + word);
        }
    }
}

bool Args::Has(const std::string& option) const {
    return m_flags.count(option) || m_values.count(option);
}

std::optional<std::string> Args::Value(const std::string& option) const {
    const auto it = m_values.find(option);
    if (it == m_values.end()) {
        return std::nullopt;
    }
    return it->second;
}

std::string Args::Required(const std::string& option) const {
    auto value = Value(option);
    if (!value) {
        throw UsageError(option + " is required");
    }
    return *value;
}

Game ParseGame(const std::string& text) {
    const auto game = GameFromName(text);
    if (!game) {
        throw UsageError("unknown game \"" + text + "\" (lotto, lotto-extra, thunderball, daily-play)");
    }
    return *game;
}

std::filesystem::path DefaultAppDir(const char* argv0) {
    if (const char* env = std::getenv("QUINTARA_APP_DIR"); env && *env) {
        return env;
    }
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) {
        exe = std::filesystem::absolute(argv0, ec);
    }
    return exe.parent_path();
}

std::string ReadTextFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw Failure(path.string() + ": cannot be opened");
    }
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void Json::Separate() {
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (!m_first.empty()) {
        if (!m_first.back()) {
            m_out << ", ";
        }
        m_first.back() = false;
    }
}

Json& Json::BeginObject() {
    Separate();
    m_out << '{';
    m_first.push_back(true);
    return *this;
}

Json& Json::EndObject() {
    m_first.pop_back();
    m_out << '}';
    return *this;
}

Json& Json::BeginArray() {
    Separate();
    m_out << '[';
    m_first.push_back(true);
    return *this;
}

Json& Json::EndArray() {
    m_first.pop_back();
    m_out << ']';
    return *this;
}

Json& Json::Key(const std::string& key) {
    String(key);
    m_out << ": ";
    m_afterKey = true;
    return *this;
}

Json& Json::String(const std::string& value) {
    Separate();
    m_out << '"';
    for (char c : value) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            m_out << '\\' << c;
        } else if (u < 0x20) {
            static const char* kHex = "0123456789abcdef";
            m_out << "\\u00" << kHex[u >> 4] << kHex[u & 15];
        } else {
            m_out << c;
        }
    }
    m_out << '"';
    return *this;
}

Json& Json::Number(long long value) {
    Separate();
    m_out << value;
    return *this;
}

Json& Json::Bool(bool value) {
    Separate();
    m_out << (value ? "true" : "false");
    return *this;
}

Json& Json::Raw(const std::string& text) {
    Separate();
    m_out << text;
    return *this;
}

}  // namespace quintara::cli
