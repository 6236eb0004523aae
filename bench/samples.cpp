#include "samples.h"

#include <algorithm>
#include <cmath>
#include <numeric>

double Samples::Percentile(double p) const
{
    if (values.empty())
        return 0.0;
    std::vector<double> sorted(values);
    std::sort(sorted.begin(), sorted.end());
    const double rank = std::ceil(std::clamp(p, 0.0, 100.0) / 100.0 * static_cast<double>(sorted.size()));
    const std::size_t index = rank < 1.0 ? 0 : static_cast<std::size_t>(rank) - 1;
    return sorted[std::min(index, sorted.size() - 1)];
}

double Samples::Min() const
{
    return values.empty() ? 0.0 : *std::min_element(values.begin(), values.end());
}

double Samples::Max() const
{
    return values.empty() ? 0.0 : *std::max_element(values.begin(), values.end());
}

double Samples::Mean() const
{
    return MeanOf(0, values.size());
}

double Samples::MeanOf(std::size_t first, std::size_t last) const
{
    last = std::min(last, values.size());
    if (first >= last)
        return 0.0;
    return std::accumulate(values.begin() + static_cast<std::ptrdiff_t>(first),
                           values.begin() + static_cast<std::ptrdiff_t>(last), 0.0)
           / static_cast<double>(last - first);
}
