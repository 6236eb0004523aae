#pragma once

#include <QString>
#include <boost/shared_ptr.hpp>

namespace Core {
namespace Detail {

// Where an error was raised. The strings are static literals and are not copied.
struct LineTag
{
    const char* file = nullptr;
    const char* function = nullptr;
    unsigned int line = 0;
};

LineTag BuildLineTag(const char* file, const char* function, unsigned int line);

struct ErrorData
{
    LineTag tag;
    unsigned int code = 0;
    QString message;
    boost::shared_ptr<ErrorData> inner; // a cause; no error of ours sets one
};

} // namespace Detail

// The engine's error value: cheap to copy, copies share the same data. An Error without
// data means "no error".
class Error
{
public:
    Error() = default;
    Error(Detail::LineTag tag, unsigned int code, const QString& message);

    bool IsError() const { return static_cast<bool>(data); }
    explicit operator bool() const { return IsError(); }

    // Valid only for an error (IsError()): 0, an empty message and an empty tag otherwise.
    unsigned int GetCode() const;
    QString GetMessage() const;
    Detail::LineTag GetTag() const;

private:
    boost::shared_ptr<Detail::ErrorData> data;
};

} // namespace Core
