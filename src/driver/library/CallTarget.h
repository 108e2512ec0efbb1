#pragma once

namespace tarvik::library {

// What a call to an address of this process would run, judged from the objects the system loader
// has loaded (the program and every library), whichever of them holds the address.
enum class CallTarget {
    Code,        // the part of an executable loadable segment that its object's file holds
    Data,        // the address of a symbol of the name asked for that is typed as anything but a
                 // function (data, thread-local storage, untyped)
    OutsideCode, // anything else: another segment, the zeros the loader pads a segment with, an
                 // address no loaded object holds
};

// What a call to `address`, the one the loader resolves `name` to, would run.
CallTarget callTargetOf(const void* address, const char* name);

} // namespace tarvik::library
