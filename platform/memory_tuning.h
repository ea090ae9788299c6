// Heap settings for a process that rebuilds large report tables again and again.
#pragma once

namespace platform {

// Keeps freed heap memory in the process for the next build. Every view is rebuilt from
// scratch on each change; handing the memory of a large table back to the system after each
// build and faulting it in again on the next costs a third of the build time.
void keepFreedMemoryForReuse();

} // namespace platform
