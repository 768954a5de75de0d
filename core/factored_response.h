#pragma once

#include <complex>
#include <vector>

// A real rational function of s in factored form: a gain, a number of poles at the origin
// (negative for zeros there), and the other roots of its numerator and denominator,
//   H(s) = gain / s^integrators * prod(1 - s / zero) / prod(1 - s / pole).
// Complex roots come in conjugate pairs. Without integrators the gain is H(0).
struct FactoredResponse {
    double gain = 1;
    int integrators = 0;
    std::vector<std::complex<double>> zeros;
    std::vector<std::complex<double>> poles;

    // H(j 2 pi fHz).
    std::complex<double> at(double fHz) const;
    // The phase of H(j 2 pi fHz) in degrees, continuous in frequency: the gain's sign (0 or
    // 180), -90 for each integrator and the phase of each factor (1 - j w / root), which stays
    // within a half turn for a root off the imaginary axis. Never wrapped.
    double phaseDeg(double fHz) const;
};

// The roots of c0 + c1 s + c2 s^2 (c2 may be 0; a constant has none), without cancellation.
std::vector<std::complex<double>> PolynomialRoots(double c0, double c1, double c2);

// The product of two responses.
FactoredResponse operator*(const FactoredResponse& a, const FactoredResponse& b);

// 20 log10 |value|.
double Decibels(std::complex<double> value);
