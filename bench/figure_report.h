#pragma once

// One line per measured figure on standard output, which tools/bench.sh gathers over
// repeated runs into its table:
//   FIGURE <tab> id <tab> label <tab> value <tab> unit <tab> comparison <tab> target
// `comparison` is "<=" or ">=" (the value must not exceed / not fall below the target), or
// "-" for a figure that is reported without a target.
void ReportFigure(const char* id, const char* label, double value, const char* unit, const char* comparison,
                  double target);
void ReportInfo(const char* id, const char* label, double value, const char* unit);
