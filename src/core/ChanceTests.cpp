#include "core/ChanceTests.h"

#include <boost/math/distributions/chi_squared.hpp>
#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace quintara {

double ChiSquareUpperTail(double statistic, int degreesOfFreedom) {
    if (degreesOfFreedom < 1) {
        throw std::domain_error("a chi-square test needs at least 1 degree of freedom");
    }
    if (!(statistic > 0)) {
        return 1.0;
    }
    const boost::math::chi_squared distribution(degreesOfFreedom);
    return boost::math::cdf(boost::math::complement(distribution, statistic));
}

std::string PValueText(double p) {
    if (p < 0.001) {
        return "p < 0.001";
    }
    if (p > 0.99) {
        return "p > 0.99";
    }
    char text[32];
    if (p < 0.1) {
        // The small margin keeps 0.003 from reading as 0.002 after its binary rounding.
        std::snprintf(text, sizeof text, "p = %.3f", std::floor(p * 1000 + 1e-9) / 1000);
    } else {
        std::snprintf(text, sizeof text, "p = %.2f", p);
    }
    return text;
}

std::string GroupedThousands(std::int64_t value) {
    std::string digits = std::to_string(value < 0 ? -value : value);
    for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3) {
        digits.insert(static_cast<std::size_t>(at), ",");
    }
    return value < 0 ? "-" + digits : digits;
}

}  // namespace quintara
