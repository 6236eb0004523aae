#pragma once

#include <cstddef>
#include <vector>

// Level and spectrum measurements of rendered audio.
namespace AudioMeasure {

// The largest absolute sample value in dB relative to full scale (-inf for silence).
double PeakDbfs(const std::vector<float>& samples);
// The summed power of the bins between two frequencies of the Hann-windowed spectrum of
// `size` samples starting at `samples`: bin k is at k * sampleRate / size Hz.
double BandPower(const float* samples, std::size_t size, double sampleRate, double fromHz, double toHz);

} // namespace AudioMeasure
