// Feeds arbitrary text to the formula reader and what it reads to the rules of
// every kind: a formula read is written back unchanged, anything else has
// a message; ions found balance their charges, and naming them never fails
// harder than with an empty name, a complex's in either order of its ligands
// and with the slips the hints look for.
#include "fuzz/FuzzCheck.h"
#include "practice/FormulaReader.h"
#include "practice/Naming.h"
#include "practice/OxidationNumbers.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace practice;
    static const AnionCharges charges = {
        {"SO4", -2}, {"NO3", -1}, {"PO4", -3}, {"MnO4", 0}, {"S2O3", -2}};
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const FormulaReading read = ReadFormula(text);
    fuzz::Check(read.formula.has_value() == read.error.empty());
    if (!read.formula) {
        return 0;
    }
    // Written back unchanged, but for the hydrate's dot typed as "*" or ".".
    std::string dotted(text);
    for (char& c : dotted) {
        c = c == '*' || c == '.' ? kHydrateDot : c;
    }
    fuzz::Check(text.size() <= kMaxFormulaLength && WriteFormula(*read.formula) == dotted);
    for (const Kind which : Kinds()) {
        const IonsReading found = FindIons(*read.formula, which, charges);
        fuzz::Check(found.ions.has_value() == found.error.empty());
        if (found.ions) {
            const Ions& ions = *found.ions;
            fuzz::Check(
                ions.cation.count * ions.cation.charge + ions.anion.count * ions.anion.charge == 0);
            CompoundName(which, ions);
            fuzz::Check(ions.complex.has_value() == (which == Kind::Complex));
            for (const LigandOrder order : {LigandOrder::Alphabetical, LigandOrder::AnionicFirst}) {
                for (int unnumbered = kEveryLigand; unnumbered < 3; ++unnumbered) {
                    ComplexName(ions, {order, unnumbered, true, true});
                }
            }
        }
    }
    return 0;
}
