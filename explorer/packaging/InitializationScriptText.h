// The texts of a model's initialization scripts: a Visual Basic pre-solve
// script ("PreSolve") and a Pellix EBSolve script ("EBSOLVE"), each setting
// the model's variables to the values one block had when the script was made.
#pragma once

#include <string>
#include <vector>

// Variables read from a block, index-aligned: names without the block's path,
// values formatted with "%e", and (EBSolve only) the unit each value is in.
struct InitializationValues {
  std::vector<std::string> names;
  std::vector<std::string> values;
  std::vector<std::string> units;
};

// "12:34:56 Monday, 7 December 2026": the time and the long date of now, in the user's locale.
void GetTimeDate(std::string& timeDate);

// A value as written into the scripts, in exponent notation ("1.500000e+00").
std::string FormatInitialValue(double value);
// The same for the number a text holds (read in the classic numeric form); empty when it holds none.
std::string FormatInitialValue(const std::string& text);

std::string CreatePreSolveScriptText(const std::string& modelName, const std::string& blockName,
                                     const std::string& timeStamp, const InitializationValues& first,
                                     const InitializationValues& second);

// Double quotes are taken out of the names (variables are written inside quoted texts).
std::string CreateEBSolveScriptText(const std::string& modelName, const std::string& blockName,
                                    const std::string& timeStamp, InitializationValues& values);
