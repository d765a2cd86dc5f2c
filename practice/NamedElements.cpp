#include "practice/NamedElements.h"

#include "practice/OxidationNumbers.h"
#include "practice/Text.h"

namespace practice {

std::vector<NamedElement> NamedElements(const Compound& compound) {
    std::vector<NamedElement> named;
    const std::optional<Ions> ions = IonsOf(compound.formula, compound.kind);
    if (!ions) {
        return named;
    }
    const Ion& cation = ions->cation;
    const bool element = cation.formula != "NH4" && cation.formula != "H";
    switch (compound.kind) {
    case Kind::BinaryAcid:
    case Kind::Hydrate: // the salt's words are in the genitive
    case Kind::Trivial:
        break;
    case Kind::Oxoacid:
        named.push_back({ions->central, ions->oxidation, 1, Form::Acid});
        break;
    case Kind::Complex: {
        const ComplexIon& complex = *ions->complex;
        if (complex.charge < 0) {
            if (element) {
                named.push_back({cation.formula, cation.charge, 1, Form::Adjective});
            }
            named.push_back({complex.central, complex.oxidation, 0, Form::Anion});
        } else if (complex.charge > 0) {
            if (ions->oxygens > 0) { // síran, not chlorid
                named.push_back({ions->central, ions->oxidation, 0, Form::Anion});
            }
            named.push_back({complex.central, complex.oxidation, 1, Form::Adjective});
        }
        break;
    }
    case Kind::HydrogenSalt:
    case Kind::Salt:
        if (element) {
            named.push_back({cation.formula, cation.charge, 1, Form::Adjective});
        }
        if (ions->oxidation > 0) { // not the sulfide of a hydrogensulfide
            named.push_back({ions->central, ions->oxidation, 0, Form::Anion});
        }
        break;
    default:
        if (element) {
            named.push_back({cation.formula, cation.charge, 1, Form::Adjective});
        }
        break;
    }
    return named;
}

std::string EndingIn(const std::string& word, int number, Form form) {
    for (const std::string& ending : EndingsOf(number, form)) {
        if (word.size() > ending.size() && EndsWith(word, ending)) {
            return ending;
        }
    }
    return "";
}

} // namespace practice
