#include "support/audio_measure.h"

#include <cmath>
#include <complex>
#include <limits>

namespace AudioMeasure {

double PeakDbfs(const float* samples, std::size_t count)
{
    double peak = 0.0;
    for (std::size_t i = 0; i < count; ++i)
        peak = std::max(peak, static_cast<double>(std::fabs(samples[i])));
    return peak > 0.0 ? 20.0 * std::log10(peak) : -std::numeric_limits<double>::infinity();
}

double PeakDbfs(const std::vector<float>& samples)
{
    return PeakDbfs(samples.data(), samples.size());
}

double Peak(const std::vector<float>& samples)
{
    double peak = 0.0;
    for (float s : samples)
        peak = std::max(peak, static_cast<double>(std::fabs(s)));
    return peak;
}

std::vector<double> PowerSpectrum(const float* samples, std::size_t size)
{
    const double pi = 3.14159265358979323846;
    std::vector<std::complex<double>> a(size);
    for (std::size_t i = 0; i < size; ++i) {
        const double hann = 0.5 - 0.5 * std::cos(2.0 * pi * static_cast<double>(i) / static_cast<double>(size));
        a[i] = samples[i] * hann;
    }
    // Iterative radix-2 FFT.
    for (std::size_t i = 1, j = 0; i < size; ++i) {
        std::size_t bit = size >> 1;
        for (; j & bit; bit >>= 1)
            j ^= bit;
        j ^= bit;
        if (i < j)
            std::swap(a[i], a[j]);
    }
    for (std::size_t length = 2; length <= size; length <<= 1) {
        const double angle = -2.0 * pi / static_cast<double>(length);
        const std::complex<double> step(std::cos(angle), std::sin(angle));
        for (std::size_t i = 0; i < size; i += length) {
            std::complex<double> w(1.0, 0.0);
            for (std::size_t k = 0; k < length / 2; ++k) {
                const std::complex<double> u = a[i + k];
                const std::complex<double> v = a[i + k + length / 2] * w;
                a[i + k] = u + v;
                a[i + k + length / 2] = u - v;
                w *= step;
            }
        }
    }
    std::vector<double> power(size / 2);
    for (std::size_t k = 0; k < size / 2; ++k)
        power[k] = std::norm(a[k]);
    return power;
}

double BandPower(const std::vector<double>& spectrum, double sampleRate, double fromHz, double toHz)
{
    const double binHz = sampleRate / (2.0 * static_cast<double>(spectrum.size()));
    double sum = 0.0;
    for (std::size_t k = 0; k < spectrum.size(); ++k) {
        const double hz = static_cast<double>(k) * binHz;
        if (hz >= fromHz && hz < toHz)
            sum += spectrum[k];
    }
    return sum;
}

} // namespace AudioMeasure
