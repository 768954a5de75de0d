#include "cli/load_range.h"

#include <cmath>
#include <cstdlib>

std::optional<std::string> CurveRefusal(const CurveOptions& curve, double& from, double& to,
                                        std::int32_t& points) {
    char* end = nullptr;
    from = std::strtod(curve.from.c_str(), &end);
    if (curve.from.empty() || *end != '\0' || !std::isfinite(from) || !(from > 0)) {
        return "L'opzione --from-pct vuole un numero maggiore di zero: " + curve.from;
    }
    to = std::strtod(curve.to.c_str(), &end);
    if (curve.to.empty() || *end != '\0' || !std::isfinite(to) || !(to > from)) {
        return "L'opzione --to-pct vuole un numero maggiore di --from-pct: " + curve.to;
    }
    const long long count = std::strtoll(curve.points.c_str(), &end, 10);
    if (curve.points.empty() || *end != '\0' || count < 2 || count > 100000) {
        return "L'opzione --points vuole un numero intero da 2 a 100000: " + curve.points;
    }
    points = static_cast<std::int32_t>(count);
    return std::nullopt;
}
