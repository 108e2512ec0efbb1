#include "mainwindow/StartUp.h"

#include "mainwindow/mditarvik.h"
#include "program/App.h"

namespace tarvik {

bool startProgram(App& app, const StartOptions& options)
{
    Runtime& runtime = app.runtime();
    runtime.instance<mditarvik>(app, options);
    return !runtime.endRequested() && runtime.isLoaded<mditarvik>();
}

} // namespace tarvik
