// Grading a name: the accepted names, then the hints for a wrong one.
#include "practice/Grading.h"
#include "practice/GradingParts.h"
#include "practice/NamedElements.h"
#include "practice/StoichiometricNames.h"
#include "practice/Text.h"
#include "practice/Wording.h"

#include <algorithm>
#include <cstddef>

namespace practice {
namespace {

// The first word of the name stands last in the answer: "železitý oxid".
std::string WordOrderHint(const std::string& given, const std::string& name) {
    const std::vector<std::string> words = Words(Folded(name));
    const std::vector<std::string> typed = Words(given);
    if (words.size() < 2 || typed.size() < 2 || typed.front() == words.front() ||
        typed.back() != words.front()) {
        return "";
    }
    return "Název začíná slovem „" + words.front() + "“.";
}

// The word that names an element ends as another oxidation number would:
// "oxid železnatý" for Fe2O3.
std::string EndingHint(const Compound& compound, const std::string& given) {
    const std::vector<std::string> right = Words(Folded(compound.Name()));
    const std::vector<std::string> typed = Words(given);
    if (typed.size() != right.size()) {
        return "";
    }
    for (const NamedElement& element : NamedElements(compound)) {
        if (element.word >= right.size()) {
            continue;
        }
        const std::string& word = right[element.word];
        const std::string ending = EndingIn(word, element.number, element.form);
        const std::string stem = Plain(word.substr(0, word.size() - ending.size()));
        const std::string other = Plain(typed[element.word]);
        // A stem may lose its last letter before an ending: cín, cínatý.
        for (const std::string& start : {stem, stem.substr(0, stem.size() - 1)}) {
            if (ending.empty() || start.size() < 2 || other.compare(0, start.size(), start) != 0) {
                continue;
            }
            const std::string rest = other.substr(start.size());
            for (int number = 1; number <= 8; ++number) {
                for (const std::string& candidate : EndingsOf(number, element.form)) {
                    if (number != element.number && Plain(candidate) == rest) {
                        return "Koncovka -" + candidate + " znamená oxidační číslo " +
                               Roman(number) + "; " + SymbolAlone(element.symbol) +
                               " má tu oxidační číslo " + Roman(element.number) + ", tedy -" +
                               ending + ".";
                    }
                }
            }
        }
    }
    return "";
}

const char* const kOlder = " (ligandy v pořadí starších pravidel, aniontové před neutrálními; "
                           "současná pravidla je řadí abecedně)";

// A complex's name with its ligands in the older order, where that differs.
std::string OlderOrder(const Compound& compound) {
    const std::optional<Ions> ions = IonsOf(compound.formula, compound.kind);
    if (!ions || !ions->complex) {
        return "";
    }
    const std::string older = ComplexName(*ions, {LigandOrder::AnionicFirst});
    return older != compound.Name() ? older : "";
}

// The slips of a complex's name: "amin" for ammin, a numeral left out, an
// anionic complex with a cation's ending. Each is looked for in either order
// of the ligands.
std::string ComplexHint(const Compound& compound, const std::string& given) {
    const std::optional<Ions> ions = IonsOf(compound.formula, compound.kind);
    if (!ions || !ions->complex) {
        return "";
    }
    const ComplexIon& complex = *ions->complex;
    for (const LigandOrder order : {LigandOrder::Alphabetical, LigandOrder::AnionicFirst}) {
        const auto typed = [&](ComplexWording wording) {
            wording.order = order;
            const std::string name = ComplexName(*ions, wording);
            return !name.empty() && SameButDiacritics(given, name);
        };
        ComplexWording amin;
        amin.amin = true;
        if (compound.Name().find("ammin") != std::string::npos && typed(amin)) {
            return "Ligand NH3 se jmenuje ammin, se dvěma m (aminy jsou organické sloučeniny).";
        }
        for (int i = kEveryLigand; i < static_cast<int>(complex.ligands.size()); ++i) {
            ComplexWording unnumbered;
            unnumbered.unnumbered = i;
            if (i == -1 || !typed(unnumbered)) {
                continue;
            }
            std::string counted;
            for (const Ligand& ligand : OrderedLigands(complex, LigandOrder::Alphabetical)) {
                if (ligand.count > 1 && (i < 0 || ligand.formula == complex.ligands[i].formula)) {
                    counted += (counted.empty() ? "" : ", ") + std::to_string(ligand.count) + " " +
                               ligand.formula + " je " + CountedLigand(ligand);
                }
            }
            if (!counted.empty()) {
                return "Počet ligandů udává číslovková předpona: " + counted + ".";
            }
        }
        ComplexWording adjective;
        adjective.adjective = true;
        if (complex.charge < 0 && typed(adjective)) {
            return "Komplexní anion má koncovku -an: " + ComplexWord(complex) + ", ne " +
                   ComplexWord(complex, adjective) + ".";
        }
    }
    return "";
}

} // namespace

std::string GasOf(const std::string& acidName) {
    const std::string ending = "ová"; // kyselina chlorovodíková: chlorovodík
    const std::vector<std::string> words = Words(acidName);
    const std::string& adjective = words.back();
    return words.size() == 2 && EndsWith(adjective, ending)
               ? adjective.substr(0, adjective.size() - ending.size())
               : "";
}

std::vector<std::string> AcceptedNames(const Compound& compound) {
    std::vector<std::string> names = compound.names;
    if (compound.kind == Kind::BinaryAcid) {
        for (const std::string& name : compound.names) {
            if (!GasOf(name).empty()) {
                names.push_back(GasOf(name));
            }
        }
    }
    if (const std::string older = OlderOrder(compound); !older.empty()) {
        names.push_back(older);
    }
    return names;
}

Assessment AssessName(const Compound& compound, const std::string& answer) {
    const std::vector<std::string> names = AcceptedNames(compound);
    const std::size_t listed = compound.names.size();
    std::string given = Folded(Trimmed(answer));
    if (compound.kind == Kind::Complex) { // pentaammin-chlorokobaltitý as some books write it
        given.erase(std::remove(given.begin(), given.end(), '-'), given.end());
    }
    // Past the listed names: the gas of a binary acid, a complex's older order.
    const auto beyond = [&](std::size_t i) -> Assessment {
        return compound.kind == Kind::Complex ? Assessment{Grade::RightVariant, names[i] + kOlder}
                                              : Assessment{Grade::RightGas, names[i]};
    };
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (given == Folded(names[i])) {
            return i == 0       ? Assessment{Grade::Right, ""}
                   : i < listed ? Assessment{Grade::RightVariant, names[i]}
                                : beyond(i);
        }
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (SameButDiacritics(given, names[i])) {
            return i < listed ? Assessment{Grade::RightSpelling, names[i]} : beyond(i);
        }
    }
    for (const std::string& name : StoichiometricNames(compound)) {
        if (SameButDiacritics(given, name)) {
            return {Grade::RightStoichiometric, name};
        }
    }
    if (compound.kind == Kind::Trivial && SameButDiacritics(given, compound.systematic)) {
        return {Grade::Wrong,
                "To je systematický název; triviální název je " + compound.Name() + "."};
    }
    for (const std::string& hint : {WordOrderHint(given, compound.Name()),
                                    ComplexHint(compound, given), EndingHint(compound, given)}) {
        if (!hint.empty()) {
            return {Grade::Wrong, hint};
        }
    }
    return {Grade::Wrong, ""};
}

} // namespace practice
