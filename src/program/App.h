#pragma once

#include "driver/MotionDriver.h"
#include "program/MenuBar.h"
#include "program/SharedState.h"
#include "runtime/Runtime.h"

#include <string>

namespace tarvik {

// The program: the form runtime, the motion driver and the data the windows share. Every window
// is constructed with the App and reaches everything through it; nothing else is global, so a
// test builds a fresh App for each case.
class App {
public:
    App(Runtime& runtime, MotionDriver& driver);
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    Runtime& runtime() const { return runtime_; }
    MotionDriver& driver() const { return driver_; }
    Clock& clock() const { return runtime_.clock(); }
    // The main window's menu bar; nullptr while no main window is loaded.
    MenuBar* menuBar() const { return menuBar_; }
    void setMenuBar(MenuBar* menuBar) { menuBar_ = menuBar; }
    // The data several windows share, by concern (each part of SharedState says who writes and
    // who reads it).
    SharedState& state() { return state_; }
    const SharedState& state() const { return state_; }

    // The default instance of window class F, created (with this App) and loaded on first use.
    template <class F>
    F& form()
    {
        return runtime_.instance<F>(*this);
    }
    // The loaded instance of F, or nullptr.
    template <class F>
    F* loaded() const
    {
        return runtime_.find<F>();
    }

private:
    Runtime& runtime_;
    MotionDriver& driver_;
    MenuBar* menuBar_ = nullptr;
    SharedState state_;
};

} // namespace tarvik
