// Heap allocations made through operator new in this process, counted by the
// replacement operators of allocation_count.cpp.
#pragma once

#include <cstdint>

std::uint64_t allocations_so_far();
