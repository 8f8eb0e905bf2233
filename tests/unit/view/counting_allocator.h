// The global operator new and delete of the allocation test program, replaced so that every
// allocation is counted.
#pragma once

namespace verlumo {

// Allocations made through operator new in this program so far.
long AllocationCount();

}  // namespace verlumo
