#pragma once

#include <string_view>

namespace quintara {

// The product's web site. A placeholder until the site exists; every link of the program uses it.
inline constexpr std::string_view kProductWebAddress = "https://www.quintara.example/";
inline constexpr std::string_view kSupportPageAddress = "https://www.quintara.example/support.aspx";
inline constexpr std::string_view kSupportEmailAddress = "support@quintara.example";

}  // namespace quintara
