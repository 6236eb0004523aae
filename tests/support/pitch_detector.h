#pragma once

#include <cstddef>

// Fundamental frequency of a mono signal by the YIN method (de Cheveigné and Kawahara,
// 2002): cumulative mean normalised difference, absolute threshold, parabolic refinement.
class PitchDetector
{
public:
    // Finds periods between 1/maxHz and 1/minHz.
    explicit PitchDetector(double sampleRate, double minHz = 25.0, double maxHz = 4500.0, double threshold = 0.12);
    // Hz, or 0 when `count` is too short (an analysis window plus the longest period) or
    // nothing periodic is found.
    double Detect(const float* samples, std::size_t count) const;
    // 69 + 12 log2(hz / 440): MIDI note number, fractional.
    static double ToMidiNote(double hz);

private:
    double sampleRate, threshold;
    std::size_t minLag, maxLag; // the window is maxLag samples long
};
