#include "core/midi/engine_assert.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace Core {
namespace Detail {

namespace {

// "…/src/core/midi/midi.cpp" -> "src/core/midi/midi": the source unit, independent of
// where the tree was built.
void PrintSourceUnit(const char* file)
{
    const char* unit = file;
    for (const char* p = std::strstr(file, "src/"); p; p = std::strstr(p + 1, "src/"))
        unit = p;
    const char* dot = std::strrchr(unit, '.');
    const int length = dot ? static_cast<int>(dot - unit) : static_cast<int>(std::strlen(unit));
    std::fprintf(stderr, "%.*s", length, unit);
}

} // namespace

void AssertionFailed(const char* expression, const char* function, const char* file)
{
    std::fprintf(stderr, "Assertion failed: \"%s\" in %s (", expression, function);
    PrintSourceUnit(file);
    std::fprintf(stderr, ")\n");
    std::fflush(stderr);
    std::abort();
}

} // namespace Detail
} // namespace Core
