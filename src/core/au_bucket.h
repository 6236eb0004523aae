#pragma once

namespace Core {

// Per-sound data of an audio server, owned by the sound it belongs to.
class AuBucket
{
public:
    AuBucket() = default;
    virtual ~AuBucket();

    AuBucket(const AuBucket&) = delete;
    AuBucket& operator=(const AuBucket&) = delete;
};

} // namespace Core
