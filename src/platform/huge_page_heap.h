#pragma once
// Backs the allocator's heap with transparent huge pages.
//
// The start-up decodes pictures and builds every form, touching some 40 MB of fresh memory.
// With 4 KB pages each first touch is a page fault, and on a virtual machine those faults
// cost more than the work itself. One 2 MB page per fault makes them vanish. Where the
// kernel offers no huge pages (or the C library is not glibc) this does nothing.
namespace rumbelo {

// Call first in main(), before other threads start.
void backHeapWithHugePages();

}  // namespace rumbelo
