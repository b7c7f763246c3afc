#pragma once

#include <string_view>

namespace quintara {

// The operator's page of the latest results, the fixed link of the main window.
inline constexpr std::string_view kResultsSiteAddress = "https://www.national-lottery.co.uk/results";

// The shipped manual, and its section on getting and updating histories, as the program names its files.
inline constexpr std::string_view kManualFile = "\\Quintara.html";
inline constexpr std::string_view kHistoriesSection = "updating";
inline constexpr std::string_view kWheelsSection = "wheels";

}  // namespace quintara
