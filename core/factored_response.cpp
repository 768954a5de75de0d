// A real rational transfer function in factored form: its value and its continuous phase.
#include "core/factored_response.h"

#include <cmath>
#include <numbers>

namespace {

std::complex<double> JOmega(double fHz) {
    return {0, 2 * std::numbers::pi * fHz};
}

double Degrees(double radians) {
    return radians * 180 / std::numbers::pi;
}

} // namespace

std::complex<double> FactoredResponse::at(double fHz) const {
    const std::complex<double> s = JOmega(fHz);
    std::complex<double> value = gain;
    for (int k = 0; k < integrators; ++k) {
        value /= s;
    }
    for (int k = 0; k > integrators; --k) {
        value *= s;
    }
    for (const std::complex<double>& zero : zeros) {
        value *= 1.0 - s / zero;
    }
    for (const std::complex<double>& pole : poles) {
        value /= 1.0 - s / pole;
    }
    return value;
}

double FactoredResponse::phaseDeg(double fHz) const {
    const std::complex<double> s = JOmega(fHz);
    double phase = (gain < 0 ? 180.0 : 0.0) - 90.0 * integrators;
    for (const std::complex<double>& zero : zeros) {
        phase += Degrees(std::arg(1.0 - s / zero));
    }
    for (const std::complex<double>& pole : poles) {
        phase -= Degrees(std::arg(1.0 - s / pole));
    }
    return phase;
}

std::vector<std::complex<double>> PolynomialRoots(double c0, double c1, double c2) {
    if (c2 == 0) {
        if (c1 == 0) {
            return {};
        }
        return {-c0 / c1};
    }
    const double discriminant = c1 * c1 - 4 * c2 * c0;
    if (discriminant < 0) {
        const double real = -c1 / (2 * c2);
        const double imaginary = std::sqrt(-discriminant) / (2 * std::abs(c2));
        return {{real, imaginary}, {real, -imaginary}};
    }
    // The larger root from the sum of like signs, the other from the product c0 / c2.
    const double q = -(c1 + std::copysign(std::sqrt(discriminant), c1)) / 2;
    const double large = q / c2;
    if (q == 0) {
        return {large, large};
    }
    return {large, c0 / q};
}

FactoredResponse operator*(const FactoredResponse& a, const FactoredResponse& b) {
    FactoredResponse product = a;
    product.gain = a.gain * b.gain;
    product.integrators = a.integrators + b.integrators;
    product.zeros.insert(product.zeros.end(), b.zeros.begin(), b.zeros.end());
    product.poles.insert(product.poles.end(), b.poles.begin(), b.poles.end());
    return product;
}

double Decibels(std::complex<double> value) {
    return 20 * std::log10(std::abs(value));
}
