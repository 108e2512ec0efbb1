#include "app/StartUp.h"

#include "app/App.h"
#include "app/mditarvik.h"

namespace tarvik {

bool startProgram(App& app, const StartOptions& options)
{
    Runtime& runtime = app.runtime();
    runtime.instance<mditarvik>(app, options);
    return !runtime.endRequested() && runtime.isLoaded<mditarvik>();
}

} // namespace tarvik
