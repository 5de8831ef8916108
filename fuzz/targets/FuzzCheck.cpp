#include "FuzzCheck.h"

#include <cstdio>
#include <cstdlib>

namespace varelo::fuzz {

namespace {
FailureHandler& Handler() {
  static FailureHandler handler = nullptr;
  return handler;
}
}  // namespace

void SetFailureHandler(FailureHandler handler) { Handler() = handler; }

void Fail(const char* what) {
  if (Handler()) return Handler()(what);
  std::fprintf(stderr, "fuzz check failed: %s\n", what);
  std::abort();
}

}  // namespace varelo::fuzz
