// Text helpers of the store: the text of a real number and the comparison of names.
#pragma once

#include <string>

class MwString {
 public:
  // The text of value with digits significant digits (0 or less: 10, at most 17),
  // in the classic locale whatever the program's locale is. With trim, trailing
  // zeros are dropped ("1.5", "1e+20"); without, they are kept ("1.500000000").
  // Exponent form is used below 1e-4 and from 10^digits on. Not-a-number and
  // infinities read "NaN", "Inf" and "-Inf"; negative zero reads as zero.
  static std::string FormatReal_S(double value, int digits, bool trim);

  // Compares two names alphabetically without regard to letter case (ASCII
  // letters; other bytes by value): negative, zero or positive. Names that
  // differ only in case compare equal, so a sorted list can be searched with it.
  static int AlphabeticDiff(const std::string& a, const std::string& b);
};
