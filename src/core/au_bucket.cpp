#include "core/au_bucket.h"

namespace Core {

AuBucket::~AuBucket() = default;

} // namespace Core
