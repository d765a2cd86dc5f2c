#include "practice/Explanations.h"

#include "practice/ExplanationParts.h"
#include "practice/NamedElements.h"
#include "practice/Text.h"

#include <cstdlib>

namespace practice {
namespace {

std::string Term(const Side& side) {
    const std::string value = "(" + Signed(side.value) + ")";
    return side.count == 1 ? value : std::to_string(side.count) + " · " + value;
}

// The side as the object of "vyrovná": "Skupinu O2 s nábojem 2-".
std::string Described(const Side& side, bool charges) {
    return Capitalised(side.noun->accusative) + " " + side.label + " s " +
           (charges ? "nábojem " + Charge(side.value) : "oxidačním číslem " + Roman(side.value));
}

} // namespace

std::string Balance(const Side& cation, const Side& anion, bool charges,
                    const std::string& formula) {
    const std::string sum = Term(cation) + " + " + Term(anion) + " = 0";
    if (cation.count == 1 || anion.count == 1) {
        const Side& one = cation.count == 1 ? cation : anion;
        const Side& other = cation.count == 1 ? anion : cation;
        return Described(one, charges) + " " + Verb(other.count, "vyrovná", "vyrovnají") + " " +
               Units(other.count, *other.noun, other.label) + ": " + sum + ", tedy " + formula +
               ".";
    }
    const int multiple = cation.count * cation.value;
    const auto share = [&](const Side& side) {
        const int value = std::abs(side.value);
        return std::to_string(multiple) + " : " + std::to_string(value) + " = " +
               Units(multiple / value, *side.noun, side.label, true);
    };
    return std::string("Nejmenší společný násobek ") + (charges ? "nábojů " : "čísel ") +
           std::to_string(cation.value) + " a " + std::to_string(-anion.value) + " je " +
           std::to_string(multiple) + ": " + share(cation) + ", " + share(anion) + ", tedy " +
           formula + ".";
}

std::string WordOf(const std::string& name, std::size_t index) {
    const std::vector<std::string> words = Words(name);
    return index < words.size() ? words[index] : "";
}

std::string AdjectiveEnding(const std::string& name, int number) {
    const std::string ending = EndingIn(WordOf(name, 1), number, Form::Adjective);
    const std::vector<std::string> endings = EndingsOf(number, Form::Adjective);
    return !ending.empty() || endings.empty() ? ending : endings.front();
}

std::string Explanation(const Question& question) {
    const Compound& compound = question.compound;
    const Ask ask = question.ask;
    if (compound.kind == Kind::Trivial) {
        return Trivial(compound, ask);
    }
    const std::optional<Ions> ions = IonsOf(compound.formula, compound.kind);
    if (!ions) {
        return "";
    }
    if (compound.kind == Kind::Hydrate) {
        return Hydrate(compound, *ions, ask);
    }
    if (compound.kind == Kind::Complex) {
        return Complex(compound, *ions, ask);
    }
    if (!ions->prefix.empty()) {
        return Prefixed(compound, *ions, ask);
    }
    const std::string& name = compound.Name();
    if (compound.kind == Kind::BinaryAcid || compound.kind == Kind::Oxoacid) {
        return Acid(compound, *ions, ask);
    }
    // Hydroxides, salts, metal peroxides, ammonium's salts and cyanides are ions;
    // oxides, halides, sulfides and hydrogen peroxide are explained as molecules.
    const bool ionic = compound.kind == Kind::Hydroxide || compound.kind == Kind::Salt ||
                       compound.kind == Kind::HydrogenSalt ||
                       (compound.kind == Kind::Peroxide && ions->cation.formula != "H") ||
                       ions->cation.formula == "NH4" || ions->central == "CN";
    return ionic ? Ionic(compound.kind, *ions, compound.formula, name, ask)
                 : Molecular(compound.kind, *ions, compound.formula, name, ask);
}

} // namespace practice
