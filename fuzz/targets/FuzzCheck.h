#pragma once
// How a fuzz target reports a broken property. Under libFuzzer a failure
// prints what broke and aborts, so the input is saved as a crash; the
// regression tests install a handler that turns it into a test failure.

namespace varelo::fuzz {

using FailureHandler = void (*)(const char* what);

// Null restores the default (print and abort).
void SetFailureHandler(FailureHandler handler);

void Fail(const char* what);

inline void Check(bool holds, const char* what) {
  if (!holds) Fail(what);
}

}  // namespace varelo::fuzz
