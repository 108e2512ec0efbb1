#include "XTestInput.h"

#include "OnScreenKit.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <vector>

namespace tarvik::testing {

void pressKeys(std::initializer_list<unsigned int> keysyms)
{
    Display* display = x11Display();
    if (!display) return;
    std::vector<unsigned int> codes;
    for (const unsigned int keysym : keysyms) codes.push_back(XKeysymToKeycode(display, keysym));
    for (const unsigned int code : codes) XTestFakeKeyEvent(display, code, True, CurrentTime);
    for (auto code = codes.rbegin(); code != codes.rend(); ++code) XTestFakeKeyEvent(display, *code, False, CurrentTime);
    XFlush(display);
}

} // namespace tarvik::testing
