#pragma once

#include <filesystem>

namespace tarvik {

class App;

struct StartOptions {
    // The single-instance lock file; empty: tarvik.lock in the user's runtime directory.
    std::filesystem::path lockFile{};
};

// Starts the program: loads the main window `mditarvik`, whose Form_Load is the start-up
// (single instance, board table, menus, bad-configuration check, preference file). Returns
// false when the program ended during start-up (a second instance, no boards configured, or
// the user quit from an error window); the runtime has then ended.
bool startProgram(App& app, const StartOptions& options = {});

} // namespace tarvik
