#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/Refusal.h"

namespace quintara::cli {

// How long a download may take before it is given up, in seconds.
struct DownloadLimits {
    long connectSeconds = 20;
    long totalSeconds = 120;
};

// The body at an address, over HTTP or HTTPS with the system's trusted certificates. Redirects are
// followed; a failure to connect, resolve or verify, a time-out, an HTTP status from 400 and a body
// larger than any results file give the reason.
Expected<std::string> DownloadBytes(const std::string& address, const DownloadLimits& limits);

// The Results section of the desktop program's settings file (keys with their percent escapes undone),
// so that the command line follows an address set there. None when there is no such file or section.
std::vector<std::pair<std::string, std::string>> DesktopResultsSettings();

}  // namespace quintara::cli
