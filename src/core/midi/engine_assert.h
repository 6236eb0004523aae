#pragma once

// The engine's precondition check. A violated precondition is a programming error: the
// report names the expression, the function and the source unit, then the process stops.
// Unlike assert() it is active in every build type, so a release build never reads past
// a buffer on a broken precondition.

namespace Core {
namespace Detail {

[[noreturn]] void AssertionFailed(const char* expression, const char* function, const char* file);

} // namespace Detail
} // namespace Core

#define CORE_ASSERT(expr) \
    ((expr) ? static_cast<void>(0) : ::Core::Detail::AssertionFailed(#expr, __func__, __FILE__))
