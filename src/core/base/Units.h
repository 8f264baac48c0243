#pragma once

// The pound the program converts weights with, in kilograms and in grams, in the precision of
// the arithmetic it takes part in: weights are kept as floats, the trend and the diet plan work
// in doubles.
template <class Real> inline constexpr Real kilogramsPerPound = Real(0.453592);
template <class Real> inline constexpr Real gramsPerPound = Real(453.592);

static_assert(kilogramsPerPound<float> == 0.453592f && gramsPerPound<float> == 453.592f,
              "the float pound must be the float nearest to its decimal value");
