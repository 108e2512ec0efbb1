#include "program/App.h"

namespace tarvik {

App::App(Runtime& runtime, MotionDriver& driver) : runtime_(runtime), driver_(driver) {}

} // namespace tarvik
