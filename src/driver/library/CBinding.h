#pragma once

#include "driver/MotionDriver.h"

#include <span>
#include <tuple>

// How a MotionDriver call crosses to the driver library's C function of the same name.
namespace tarvik::library {

// A parameter as the C function takes it: values as they are, by-reference outputs and buffers
// as pointers.
template <typename T>
struct CParameter {
    using type = T;
};
template <typename T>
struct CParameter<T&> {
    using type = T*;
};
template <typename T>
struct CParameter<std::span<T>> {
    using type = T*;
};

template <typename Member>
struct CFunctionOf;
template <typename... P>
struct CFunctionOf<DriverStatus (MotionDriver::*)(P...)> {
    using type = DriverStatus (*)(typename CParameter<P>::type...);
};

// The C function an entry point is bound to: read_pos(I16, I16, I32&) is a
// DriverStatus (*)(I16, I16, I32*).
template <auto Member>
using CFunction = typename CFunctionOf<decltype(Member)>::type;

// A value goes over as it is. A by-reference output goes over as a pointer to a copy, which
// reaches the caller only when the call succeeded: MotionDriver writes outputs on success only,
// whatever the library does with them on a failure.
template <typename T>
struct Passed {
    T value;
    T c() const { return value; }
    void writeBack() const {}
};
template <typename T>
struct Passed<T&> {
    T& target;
    T copy = target;
    T* c() { return &copy; }
    void writeBack() { target = copy; }
};

template <typename Member>
struct PlainCall;
template <typename... P>
struct PlainCall<DriverStatus (MotionDriver::*)(P...)> {
    template <typename Function, typename... Arguments>
    static DriverStatus run(Function function, Arguments&... arguments)
    {
        std::tuple<Passed<P>...> passed{Passed<P>{arguments}...};
        const DriverStatus status = std::apply([&](auto&... p) { return function(p.c()...); }, passed);
        if (status == 0) std::apply([](auto&... p) { (p.writeBack(), ...); }, passed);
        return status;
    }
};

// Calls `function`, the library's C function of entry point `Member`, with a call's arguments.
template <auto Member, typename... Arguments>
DriverStatus callPlain(CFunction<Member> function, Arguments&... arguments)
{
    return PlainCall<decltype(Member)>::run(function, arguments...);
}

} // namespace tarvik::library
