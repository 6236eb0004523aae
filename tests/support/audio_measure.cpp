#include "support/audio_measure.h"

#include <cmath>
#include <complex>
#include <limits>

namespace AudioMeasure {

double PeakDbfs(const std::vector<float>& samples)
{
    double peak = 0.0;
    for (float s : samples)
        peak = std::max(peak, static_cast<double>(std::fabs(s)));
    return peak > 0.0 ? 20.0 * std::log10(peak) : -std::numeric_limits<double>::infinity();
}

// A direct DFT of the band's bins, each rotated by a running phasor.
double BandPower(const float* samples, std::size_t size, double sampleRate, double fromHz, double toHz)
{
    const double pi = 3.14159265358979323846, n = static_cast<double>(size);
    std::vector<double> windowed(size);
    for (std::size_t i = 0; i < size; ++i)
        windowed[i] = samples[i] * (0.5 - 0.5 * std::cos(2.0 * pi * static_cast<double>(i) / n));
    double sum = 0.0;
    for (auto k = static_cast<std::size_t>(std::ceil(fromHz * n / sampleRate));
         k < size / 2 && static_cast<double>(k) * sampleRate / n < toHz; ++k) {
        const std::complex<double> step = std::polar(1.0, -2.0 * pi * static_cast<double>(k) / n);
        std::complex<double> w(1.0, 0.0), bin(0.0, 0.0);
        for (std::size_t i = 0; i < size; ++i, w *= step)
            bin += w * windowed[i];
        sum += std::norm(bin);
    }
    return sum;
}

} // namespace AudioMeasure
