// Composes the formula of an oxygen compound from a Czech name stem and a
// valence suffix, e.g. "želez" and "itý" give "Fe2O3".
#pragma once

#include <string>

namespace chemistry {

// Result when the name matches no stem of the dialog's element table.
extern const char* const kUnknownNameText;
// Result when the suffix matches no valence suffix.
extern const char* const kUnknownSuffixText;

std::string FormulaComposer(std::string name, std::string suffix);

} // namespace chemistry
