#pragma once

namespace vantric::testing {

// How many times the process's operator new has run (counting_new.cpp replaces it).
long AllocationCount();

}  // namespace vantric::testing
