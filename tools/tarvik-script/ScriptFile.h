#pragma once

#include "Session.h"

#include <string>

namespace tarvik::script {

class Reporter;

// Runs one script file in a fresh temporary working directory and reports to `reporter`:
// malformed lines (then nothing runs), failed expectations and commands, an abort, and what
// the script set up that never came into play.
void runScriptFile(const std::string& fileName, const SessionOptions& options, Reporter& reporter);

} // namespace tarvik::script
