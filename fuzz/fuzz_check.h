#pragma once
// The fuzz targets' property check: a property that does not hold says which, and stops the
// run so that libFuzzer keeps the input.
#include <cstdio>
#include <cstdlib>

#define Check(condition)                                                             \
  do {                                                                               \
    if (!(condition)) {                                                              \
      std::fprintf(stderr, "Property failed: %s (line %d)\n", #condition, __LINE__); \
      std::abort();                                                                  \
    }                                                                                \
  } while (false)
