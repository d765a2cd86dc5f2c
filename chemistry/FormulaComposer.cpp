#include "chemistry/FormulaComposer.h"

#include "chemistry/ElementTables.h"

namespace chemistry {

const char* const kUnknownNameText = "Neznámý název prvku";
const char* const kUnknownSuffixText = "Neznámá koncovka";

std::string FormulaComposer(std::string name, std::string suffix) {
    const std::string& sPrvniCombo = name;
    const std::string& sDruheCombo = suffix;
    const OxygenPartTable sVzorce = BuildOxygenPartTable();

    const int nameRow = FindStemRow(DialogElementTable, sPrvniCombo);
    if (nameRow == kElementCount) {
        return kUnknownNameText;
    }
    const int suffixRow = FindSuffixRow(DialogSuffixTable, sDruheCombo);
    if (suffixRow == kValenceCount) {
        return kUnknownSuffixText;
    }
    const std::string& sPredpona = DialogElementTable.symbol[nameRow];
    const std::string& sKonec = sVzorce[suffixRow];
    return sPredpona + sKonec;
}

} // namespace chemistry
