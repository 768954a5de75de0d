#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The loads of the efficiency curve as the user gives them: the first and the last load in per
// cent of RL's, and the number of points, as texts.
struct CurveOptions {
    std::string from = "10";
    std::string to = "150";
    std::string points = "50";
};

// The curve's range, or the refusal naming the option: points >= 2, 0 < from < to.
std::optional<std::string> CurveRefusal(const CurveOptions& curve, double& from, double& to,
                                        std::int32_t& points);
