#pragma once
// The bench's fixed puzzles: the fast solver against the literal search.

namespace varelo::bench {

// Prints the table and the sweep of slice times; `stepLimit` cuts the
// literal search.
int RunFixedSet(long long stepLimit);

}  // namespace varelo::bench
