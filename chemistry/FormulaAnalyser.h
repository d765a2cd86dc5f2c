// Names an oxygen compound from its formula, e.g. "Fe2O3" gives
// "Fe2O3 = oxid želez - itý  ( 3 mocný)", or returns a Czech error text.
// Every call writes one trace line to the standard output stream.
#pragma once

#include <map>
#include <string>

namespace chemistry {

std::string FormulaAnalyser(std::string formula);

// Formulas whose names do not follow the general rule; built on first use.
const std::map<std::string, std::string>& SpecialNameTable();

} // namespace chemistry
