#pragma once

#include "driver/MotionDriver.h"
#include "driver/sim/SimulatedDriver.h"
