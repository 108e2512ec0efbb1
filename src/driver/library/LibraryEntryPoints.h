#pragma once

#include "driver/EntryPointList.h"
#include "driver/MotionDriver.h"

#include <cstdint>
#include <span>

// The driver library's entry points are those of driver/EntryPointList.h, in the binding's
// namespace with its I16 and I32. The C function each name is bound to follows from the
// parameters (see CBinding.h).
namespace tarvik::library {
using I16 = std::int16_t;
using I32 = std::int32_t;
} // namespace tarvik::library
