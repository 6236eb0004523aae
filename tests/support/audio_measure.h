#pragma once

#include <cstddef>
#include <vector>

// Level and spectrum measurements of rendered audio.
namespace AudioMeasure {

// The largest absolute sample value in dB relative to full scale (-inf for silence).
double PeakDbfs(const float* samples, std::size_t count);
double PeakDbfs(const std::vector<float>& samples);
// The largest absolute sample value.
double Peak(const std::vector<float>& samples);

// Power spectrum of `size` samples (a power of two) starting at `samples`, Hann-windowed;
// element k is the power at k * sampleRate / size Hz, for k < size / 2.
std::vector<double> PowerSpectrum(const float* samples, std::size_t size);
// The summed power of the bins between two frequencies.
double BandPower(const std::vector<double>& spectrum, double sampleRate, double fromHz, double toHz);

} // namespace AudioMeasure
