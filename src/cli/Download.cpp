#include "cli/Download.h"

#include <cctype>
#include <cstdlib>
#include <curl/curl.h>
#include <fstream>
#include <memory>
#include <mutex>

#include "history/ResultsDownload.h"

namespace quintara::cli {

namespace {

struct Body {
    std::string bytes;
    bool tooLarge = false;
};

extern "C" std::size_t AppendToBody(char* data, std::size_t size, std::size_t count, void* body) {
    auto& received = *static_cast<Body*>(body);
    const std::size_t bytes = size * count;
    if (received.bytes.size() + bytes > kMostResultsBytes) {
        received.tooLarge = true;
        return 0;  // ends the transfer
    }
    received.bytes.append(data, bytes);
    return bytes;
}

struct EasyDeleter {
    void operator()(CURL* easy) const { curl_easy_cleanup(easy); }
};

tl::unexpected<Refusal> Failed(const std::string& reason) {
    return Refuse(RefusalCause::Unreadable, reason);
}

// QSettings writes a key's blanks and other characters as %XX.
std::string Unescaped(const std::string& key) {
    std::string text;
    for (std::size_t i = 0; i < key.size(); ++i) {
        if (key[i] == '%' && i + 2 < key.size() &&
            std::isxdigit(static_cast<unsigned char>(key[i + 1])) != 0 &&
            std::isxdigit(static_cast<unsigned char>(key[i + 2])) != 0) {
            text += static_cast<char>(std::stoi(key.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            text += key[i];
        }
    }
    return text;
}

}  // namespace

Expected<std::string> DownloadBytes(const std::string& address, const DownloadLimits& limits) {
    static std::once_flag initialised;
    std::call_once(initialised, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    const std::unique_ptr<CURL, EasyDeleter> easy(curl_easy_init());
    if (!easy) {
        return Failed("the download could not be started");
    }
    Body body;
    std::string detail(CURL_ERROR_SIZE, '\0');
    CURL* handle = easy.get();
    curl_easy_setopt(handle, CURLOPT_URL, address.c_str());
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(handle, CURLOPT_MAXREDIRS, 10L);
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT, limits.connectSeconds);
    curl_easy_setopt(handle, CURLOPT_TIMEOUT, limits.totalSeconds);
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_ACCEPT_ENCODING, "");
    curl_easy_setopt(handle, CURLOPT_USERAGENT, "Quintara");
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, AppendToBody);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &body);
    curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, detail.data());
    const CURLcode code = curl_easy_perform(handle);
    if (body.tooLarge) {
        return Failed("the answer is larger than " +
                      std::to_string(kMostResultsBytes / (std::size_t{1024} * 1024)) +
                      " MB, which no results file is");
    }
    if (code != CURLE_OK) {
        detail.resize(detail.find('\0'));
        return Failed(detail.empty() ? curl_easy_strerror(code) : detail);
    }
    long status = 0;
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &status);
    if (status >= 400) {
        return Failed("the server answered HTTP " + std::to_string(status));
    }
    return std::move(body.bytes);
}

std::vector<std::pair<std::string, std::string>> DesktopResultsSettings() {
    std::filesystem::path folder;
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && *config == '/') {
        folder = config;
    } else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        folder = std::filesystem::path(home) / ".config";
    } else {
        return {};
    }
    std::ifstream file(folder / "Quintara" / "Quintara.conf");
    std::vector<std::pair<std::string, std::string>> values;
    bool inSection = false;
    for (std::string line; std::getline(file, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.starts_with('[')) {
            inSection = line == "[" + std::string(kResultsSection) + "]";
        } else if (const auto equals = line.find('='); inSection && equals != std::string::npos) {
            std::string value = line.substr(equals + 1);
            if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
                value = value.substr(1, value.size() - 2);
            }
            values.emplace_back(Unescaped(line.substr(0, equals)), value);
        }
    }
    return values;
}

}  // namespace quintara::cli
