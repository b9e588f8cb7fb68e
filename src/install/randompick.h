#pragma once

#include <functional>

// Draws numbers r with 0 <= r < 1.
using RandomSource = std::function<double()>;

// A new generator seeded from the time of day, as every random change starts afresh.
RandomSource timeSeededSource();
// The source the random changes use: timeSeededSource() unless a test put another one in place.
RandomSource randomChangeSource();
// Replaces the source of the random changes; an empty one restores the time-seeded source.
void setRandomChangeSource(RandomSource source);

// Picks a row (0 to count - 1) other than `excluded`, every other row with the same chance; -1 when
// there is no other row. `excluded` may be -1, then every row can be drawn.
int pickOtherRow(int count, int excluded, RandomSource& source);
