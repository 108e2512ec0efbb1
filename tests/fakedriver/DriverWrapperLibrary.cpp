// A stand-in for a thin wrapper over a board maker's driver library: it has no code of its own
// and is linked against the library it wraps, so that every entry point comes from that one, as
// the loader finds it through the wrapper's dependencies.
