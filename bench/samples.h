#pragma once

#include <cstddef>
#include <vector>

// Measured values of one quantity, with the order statistics the benchmarks report.
class Samples
{
public:
    void Add(double value) { values.push_back(value); }
    std::size_t Count() const { return values.size(); }
    bool IsEmpty() const { return values.empty(); }

    // The p-th percentile (0..100), nearest rank: the smallest value that at least p % of
    // the samples do not exceed. 0 when there are no samples.
    double Percentile(double p) const;
    double Median() const { return Percentile(50.0); }
    double Min() const;
    double Max() const;
    double Mean() const;
    // Mean of the values from index `first` (inclusive) to `last` (exclusive), in the order
    // they were added; 0 for an empty range.
    double MeanOf(std::size_t first, std::size_t last) const;

private:
    std::vector<double> values; // in the order added
};
