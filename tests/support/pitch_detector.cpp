#include "support/pitch_detector.h"

#include <cmath>
#include <vector>

PitchDetector::PitchDetector(double sampleRate, double minHz, double maxHz, double threshold)
    : sampleRate(sampleRate)
    , minLag(static_cast<std::size_t>(std::floor(sampleRate / maxHz)))
    , maxLag(static_cast<std::size_t>(std::ceil(sampleRate / minHz)))
    , window(maxLag)
    , threshold(threshold)
{
    if (minLag < 2)
        minLag = 2;
}

std::size_t PitchDetector::RequiredSamples() const
{
    return window + maxLag + 2;
}

double PitchDetector::Detect(const float* x, std::size_t count) const
{
    if (count < RequiredSamples())
        return 0.0;
    std::vector<double> d(maxLag + 2, 0.0);
    for (std::size_t tau = 1; tau <= maxLag + 1; ++tau) {
        double sum = 0.0;
        for (std::size_t j = 0; j < window; ++j) {
            const double diff = static_cast<double>(x[j]) - x[j + tau];
            sum += diff * diff;
        }
        d[tau] = sum;
    }
    // Cumulative mean normalised difference.
    std::vector<double> cmnd(maxLag + 2, 1.0);
    double running = 0.0;
    for (std::size_t tau = 1; tau <= maxLag + 1; ++tau) {
        running += d[tau];
        cmnd[tau] = running > 0.0 ? d[tau] * static_cast<double>(tau) / running : 1.0;
    }
    std::size_t best = 0;
    for (std::size_t tau = minLag; tau <= maxLag; ++tau) {
        if (cmnd[tau] < threshold) {
            while (tau + 1 <= maxLag && cmnd[tau + 1] < cmnd[tau])
                ++tau;
            best = tau;
            break;
        }
    }
    if (best == 0) {
        double lowest = 1e300;
        for (std::size_t tau = minLag; tau <= maxLag; ++tau) {
            if (cmnd[tau] < lowest) {
                lowest = cmnd[tau];
                best = tau;
            }
        }
        if (lowest > 0.5)
            return 0.0; // nothing periodic
    }
    double period = static_cast<double>(best);
    const double a = cmnd[best - 1], b = cmnd[best], c = cmnd[best + 1];
    const double denominator = a - 2.0 * b + c;
    if (denominator > 0.0)
        period += 0.5 * (a - c) / denominator;
    return sampleRate / period;
}

double PitchDetector::ToMidiNote(double hz)
{
    return 69.0 + 12.0 * std::log2(hz / 440.0);
}
