#include "platform/memory_tuning.h"

#include <malloc.h>

namespace platform {

void keepFreedMemoryForReuse() {
    // Free memory at the top of the heap is given back only beyond 256 MB.
    mallopt(M_TRIM_THRESHOLD, 256 * 1024 * 1024);
}

} // namespace platform
