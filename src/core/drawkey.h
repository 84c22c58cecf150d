#pragma once
// The draw key: one number that identifies a weekly request by its birth
// data and week, so that a request repeated within the week gets the card
// drawn before. Keys are compared for exact equality, so the order and the
// precision of the sum are part of what counts as "the same request".

namespace temparoka {

// ((birthday + timeOfBirth) + children) + week, summed in long double
// (80-bit extended on x86-64) and rounded to double once at the end.
double drawKey(double birthday, double timeOfBirth, int children, int week);

}  // namespace temparoka
