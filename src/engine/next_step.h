#pragma once

namespace quil {

// The next value of the 1-2-5 sequence (..., 0.5, 1, 2, 5, 10, 20, ...) that is strictly greater
// than x; axes grow their label increments with it until the labels fit.
//
// Every input has a defined result, so a caller that loops "while too dense, grow" always ends:
// - NaN, either infinity, zero and negative x give 1 (a growing loop restarts from a sane step
//   instead of stalling on a value that multiplying by ten cannot move);
// - a positive x whose next step does not fit in a double (above 5e307) gives +infinity, which
//   the axis code treats as "stop growing";
// - denormals get the smallest sequence value above them, e.g. 5e-324 gives 1e-323.
// Results are the doubles nearest to the exact decimal steps (0.2 is the literal 0.2), so label
// arithmetic on them does not pick up error from repeated scaling by ten.
double QuilNextStep(double x);

}  // namespace quil
