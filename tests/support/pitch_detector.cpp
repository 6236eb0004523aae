#include "support/pitch_detector.h"

#include <algorithm>
#include <cmath>
#include <vector>

PitchDetector::PitchDetector(double sampleRate, double minHz, double maxHz, double threshold)
    : sampleRate(sampleRate), threshold(threshold),
      minLag(std::max<std::size_t>(2, static_cast<std::size_t>(std::floor(sampleRate / maxHz)))),
      maxLag(static_cast<std::size_t>(std::ceil(sampleRate / minHz)))
{
}

double PitchDetector::Detect(const float* x, std::size_t count) const
{
    if (count < 2 * maxLag + 2)
        return 0.0;
    // Cumulative mean normalised difference.
    std::vector<double> cmnd(maxLag + 2, 1.0);
    double running = 0.0;
    for (std::size_t tau = 1; tau <= maxLag + 1; ++tau) {
        double d = 0.0;
        for (std::size_t j = 0; j < maxLag; ++j) {
            const double diff = static_cast<double>(x[j]) - x[j + tau];
            d += diff * diff;
        }
        running += d;
        cmnd[tau] = running > 0.0 ? d * static_cast<double>(tau) / running : 1.0;
    }
    // The first dip under the threshold, to its bottom; else the lowest point, if low enough.
    std::size_t best = 0;
    for (std::size_t tau = minLag; tau <= maxLag && best == 0; ++tau)
        if (cmnd[tau] < threshold) {
            while (tau + 1 <= maxLag && cmnd[tau + 1] < cmnd[tau])
                ++tau;
            best = tau;
        }
    if (best == 0) {
        best = std::size_t(std::min_element(cmnd.begin() + long(minLag), cmnd.begin() + long(maxLag) + 1) - cmnd.begin());
        if (cmnd[best] > 0.5)
            return 0.0; // nothing periodic
    }
    const double a = cmnd[best - 1], b = cmnd[best], c = cmnd[best + 1], denominator = a - 2.0 * b + c;
    return sampleRate / (static_cast<double>(best) + (denominator > 0.0 ? 0.5 * (a - c) / denominator : 0.0));
}

double PitchDetector::ToMidiNote(double hz)
{
    return 69.0 + 12.0 * std::log2(hz / 440.0);
}
