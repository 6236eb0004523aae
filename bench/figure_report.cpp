#include "figure_report.h"

#include <cstdio>

void ReportFigure(const char* id, const char* label, double value, const char* unit, const char* comparison,
                  double target)
{
    std::printf("FIGURE\t%s\t%s\t%.3f\t%s\t%s\t%.3f\n", id, label, value, unit, comparison, target);
    std::fflush(stdout);
}

void ReportInfo(const char* id, const char* label, double value, const char* unit)
{
    std::printf("FIGURE\t%s\t%s\t%.3f\t%s\t-\t0\n", id, label, value, unit);
    std::fflush(stdout);
}
