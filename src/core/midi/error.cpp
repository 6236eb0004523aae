#include "core/midi/error.h"

namespace Core {
namespace Detail {

LineTag BuildLineTag(const char* file, const char* function, unsigned int line)
{
    LineTag tag;
    tag.file = file;
    tag.function = function;
    tag.line = line;
    return tag;
}

} // namespace Detail

Error::Error(Detail::LineTag tag, unsigned int code, const QString& message)
    : data(new Detail::ErrorData)
{
    data->tag = tag;
    data->code = code;
    data->message = message;
}

unsigned int Error::GetCode() const
{
    return data ? data->code : 0;
}

QString Error::GetMessage() const
{
    return data ? data->message : QString();
}

Detail::LineTag Error::GetTag() const
{
    return data ? data->tag : Detail::LineTag();
}

} // namespace Core
