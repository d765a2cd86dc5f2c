// Grading a formula: the listed formula and its molecules are right; a wrong
// one gets the first hint of the table below that matches it. Each hint is
// written once and applies to every kind where it means something.
#include "practice/FormulaReader.h"
#include "practice/GradingParts.h"
#include "practice/NamedElements.h"
#include "practice/Text.h"
#include "practice/Wording.h"

#include <algorithm>
#include <cstddef>
#include <map>

namespace practice {
namespace {

using Counts = std::map<std::string, int>;

// What the hints look at: the compound, the answer and both read.
struct Answer {
    const Compound& compound;
    std::string given; // without blanks and closing punctuation
    std::optional<Formula> read;
    std::string error; // the reader's, when the answer does not read
    Formula right;
    Counts givenAtoms;
    Counts rightAtoms;
};

bool Reads(const std::string& text) {
    return ReadFormula(text).formula.has_value();
}

bool IsLetterOrClosing(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == ')' || c == ']';
}

// The factor by which `larger` holds each element of `smaller`; 0 when none.
int Factor(const Counts& larger, const Counts& smaller) {
    if (larger.size() != smaller.size() || smaller.empty()) {
        return 0;
    }
    int factor = 0;
    for (const auto& [symbol, count] : smaller) {
        const auto found = larger.find(symbol);
        if (found == larger.end() || found->second % count != 0 ||
            (factor != 0 && found->second / count != factor)) {
            return 0;
        }
        factor = found->second / count;
    }
    return factor;
}

// The first group in parentheses that repeats, as written inside them: "PO4".
std::string RepeatedGroup(const Formula& formula) {
    for (const Group& group : formula.groups) {
        if (group.parenthesised && group.count > 1) {
            Formula inside;
            for (const Atom& atom : group.atoms) {
                inside.groups.push_back({{atom}, 1, false});
            }
            return WriteFormula(inside);
        }
    }
    return "";
}

bool HasParentheses(const Formula& formula) {
    for (const Group& group : formula.groups) {
        if (group.parenthesised) {
            return true;
        }
    }
    return false;
}

// The symbols in order and every count, 1 included: Fe3O2 gives "Fe O" and 3, 2.
void Shape(const std::vector<Group>& groups, std::string& symbols, std::vector<int>& counts) {
    for (const Group& group : groups) {
        if (group.bracketed) {
            symbols += "[";
            Shape(group.inside, symbols, counts);
            symbols += "]";
            counts.push_back(group.count);
        }
        symbols += group.parenthesised ? "(" : "";
        for (const Atom& atom : group.atoms) {
            symbols += atom.symbol + " ";
            counts.push_back(atom.count);
        }
        if (group.parenthesised) {
            symbols += ")";
            counts.push_back(group.count);
        }
    }
}

// The listed compound written so, if any.
const Compound* Listed(const std::string& formula) {
    for (const Compound& compound : ListedCompounds()) {
        if (compound.formula == formula) {
            return &compound;
        }
    }
    return nullptr;
}

// Hints ---------------------------------------------------------------------

std::string LetterCase(const Answer& a) {
    std::vector<std::string> right = a.compound.molecular;
    right.push_back(a.compound.formula);
    for (const std::string& formula : right) {
        if (UpperAscii(a.given) != UpperAscii(formula)) {
            continue;
        }
        if (a.read) {
            for (const auto& [symbol, count] : a.givenAtoms) {
                if (a.rightAtoms.count(symbol) == 0 && !ElementName(symbol).empty()) {
                    return "Ve vzorci záleží na velikosti písmen: " + symbol + " je " +
                           ElementName(symbol) + ". Správně je " + formula + ".";
                }
            }
        }
        return "Ve vzorci záleží na velikosti písmen: značka prvku začíná velkým písmenem, "
               "její druhé písmeno je malé. Správně je " +
               formula + ".";
    }
    return "";
}

std::string ZeroForO(const Answer& a) {
    for (std::size_t i = a.given.find('0'); !a.read && i != std::string::npos;
         i = a.given.find('0', i + 1)) {
        std::string letter = a.given;
        letter[i] = 'O';
        if (Reads(letter)) {
            return "Místo písmene O je tu nula: " + letter + ", ne " + a.given + ".";
        }
    }
    return "";
}

// Parentheses with no count or a count of 1 after them: Na(OH), (NH4)Cl, Na(OH)1.
std::string NeedlessParentheses(const Answer& a) {
    std::string plain;
    const std::string& text = a.given;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t close = text[i] == '(' ? text.find(')', i) : std::string::npos;
        if (close == std::string::npos) {
            plain += text[i];
            continue;
        }
        const std::size_t after = close + 1;
        const bool none = after == text.size() || text[after] < '0' || text[after] > '9';
        const bool one =
            !none && text[after] == '1' &&
            (after + 1 == text.size() || text[after + 1] < '0' || text[after + 1] > '9');
        if (!none && !one) {
            plain += text.substr(i, after - i);
            i = close;
            continue;
        }
        plain += text.substr(i + 1, close - i - 1);
        i = one ? after : close;
    }
    if (a.read || plain == text || !Reads(plain)) {
        return "";
    }
    return "Závorka se píše jen kolem skupiny, která se opakuje: " + plain + ".";
}

std::string WrittenOne(const Answer& a) {
    const std::string plain = WithoutWrittenOnes(a.given);
    if (a.read || plain == a.given || !Reads(plain)) {
        return "";
    }
    return "Jednička se ve vzorci nepíše: " + plain + ", ne " + a.given + ".";
}

std::string ReaderMessage(const Answer& a) {
    return a.error;
}

std::string Unparenthesised(const Answer& a) {
    const std::string repeated = RepeatedGroup(a.right);
    if (!a.read || repeated.empty() || HasParentheses(*a.read) ||
        (a.givenAtoms != a.rightAtoms && a.given.find(repeated) == std::string::npos)) {
        return "";
    }
    return "Skupina " + repeated +
           " patří do závorky a počet za závorkou říká, kolikrát se opakuje: " +
           a.compound.formula + ".";
}

// K4Fe(CN)6 or K4[FeC6N6] for K4[Fe(CN)6]: the brackets or parentheses of a
// complex left out or misplaced.
std::string Brackets(const Answer& a) {
    const auto bare = [](std::string text) {
        const auto bracket = [](char c) { return c == '[' || c == ']' || c == '(' || c == ')'; };
        text.erase(std::remove_if(text.begin(), text.end(), bracket), text.end());
        return text;
    };
    if (a.compound.kind != Kind::Complex || bare(a.given) != bare(a.compound.formula)) {
        return "";
    }
    return "Komplexní částice patří do hranaté závorky a ligand z více atomů, který se opakuje, "
           "do kulaté: " +
           a.compound.formula + ".";
}

std::string Order(const Answer& a) {
    if (!a.read || a.givenAtoms != a.rightAtoms) {
        return "";
    }
    return "Atomy souhlasí, ale píší se v tomto pořadí: " + a.compound.formula + ".";
}

std::string Multiple(const Answer& a) {
    if (!a.read || Factor(a.givenAtoms, a.rightAtoms) < 2) {
        return "";
    }
    if (a.compound.kind == Kind::Peroxide) {
        return "Počty se krátí, ale skupina O2 zůstává celá: " + a.compound.formula + ".";
    }
    return "Vzorec se krátí na nejmenší poměr: " + a.given + " se píše " + a.compound.formula + ".";
}

std::string HalvedPeroxide(const Answer& a) {
    if (!a.read || a.compound.kind != Kind::Peroxide || Factor(a.rightAtoms, a.givenAtoms) != 2) {
        return "";
    }
    return "Skupina O2 peroxidu se nekrátí: " + a.compound.formula + ", ne " + a.given + ".";
}

// BaO for BaO2: an oxide where a peroxide was asked.
std::string OxideForPeroxide(const Answer& a) {
    Counts halved = a.rightAtoms;
    const auto oxygen = halved.find("O");
    if (!a.read || a.compound.kind != Kind::Peroxide || oxygen == halved.end()) {
        return "";
    }
    oxygen->second /= 2;
    if (a.givenAtoms != halved) {
        return "";
    }
    const Compound* listed = Listed(a.given);
    return (listed != nullptr ? a.given + " je " + listed->Name() + ". " : "") +
           "Peroxid má skupinu O2, v níž má každý atom O oxidační číslo -I: " + a.compound.formula +
           ".";
}

// Fe3O2 for Fe2O3, Ca2Cl for CaCl2.
std::string Swapped(const Answer& a) {
    if (!a.read) {
        return "";
    }
    std::string symbols, rightSymbols;
    std::vector<int> counts, rightCounts;
    Shape(a.read->groups, symbols, counts);
    Shape(a.right.groups, rightSymbols, rightCounts);
    if (symbols != rightSymbols || counts == rightCounts) {
        return "";
    }
    std::vector<int> sorted = counts, rightSorted = rightCounts;
    std::sort(sorted.begin(), sorted.end());
    std::sort(rightSorted.begin(), rightSorted.end());
    if (sorted != rightSorted) {
        return "";
    }
    return "Počty jsou prohozené: " + a.compound.formula + ", ne " + a.given + ".";
}

// FeSO4 for Fe2(SO4)3: another listed compound of the same elements.
std::string OtherCompound(const Answer& a) {
    const Compound* listed = a.read ? Listed(a.given) : nullptr;
    if (listed == nullptr || listed->formula == a.compound.formula) {
        return "";
    }
    const auto sameSymbol = [](const auto& x, const auto& y) { return x.first == y.first; };
    if (a.givenAtoms.size() != a.rightAtoms.size() ||
        !std::equal(a.givenAtoms.begin(), a.givenAtoms.end(), a.rightAtoms.begin(), sameSymbol)) {
        return "";
    }
    const std::vector<std::string> words = Words(a.compound.Name());
    for (const NamedElement& right : NamedElements(a.compound)) {
        for (const NamedElement& other : NamedElements(*listed)) {
            if (other.symbol == right.symbol && other.number != right.number &&
                right.word < words.size()) {
                const std::string symbol = SymbolAlone(right.symbol);
                return a.given + " je " + listed->Name() + " (" + symbol + " " +
                       Roman(other.number) + "); " + words[right.word] + " znamená " + symbol +
                       " " + Roman(right.number) + ": " + a.compound.formula + ".";
            }
        }
    }
    return a.given + " je " + listed->Name() + ", správně je " + a.compound.formula + ".";
}

using Hint = std::string (*)(const Answer&);

// In the order they are tried; the first that says something is given.
constexpr Hint kHints[] = {
    LetterCase,       ZeroForO,      NeedlessParentheses, WrittenOne, ReaderMessage, Brackets,
    OxideForPeroxide, OtherCompound, Unparenthesised,     Order,      Multiple,      HalvedPeroxide,
    Swapped,
};

} // namespace

std::string WithoutWrittenOnes(const std::string& text) {
    std::string kept;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool lone = i > 0 && IsLetterOrClosing(text[i - 1]) &&
                          (i + 1 == text.size() || text[i + 1] < '0' || text[i + 1] > '9');
        if (text[i] != '1' || !lone) {
            kept += text[i];
        }
    }
    return kept;
}

namespace {

// The formula with the ligands of its complex sorted after the central atom.
std::string LigandsSorted(Formula formula) {
    const auto text = [](const Group& group) { return WriteFormula(Formula{{group}}); };
    for (Group& group : formula.groups) {
        if (group.bracketed && group.inside.size() > 2) {
            std::sort(group.inside.begin() + 1, group.inside.end(),
                      [&](const Group& a, const Group& b) { return text(a) < text(b); });
        }
    }
    return WriteFormula(formula);
}

} // namespace

Assessment AssessFormula(const Compound& compound, const std::string& answer) {
    const std::string given = WithoutBlanks(Trimmed(answer));
    if (given == compound.formula) {
        return {Grade::Right, ""};
    }
    for (const std::string& molecule : compound.molecular) {
        if (given == molecule) {
            return {Grade::RightMolecular, molecule};
        }
    }
    const FormulaReading read = ReadFormula(given);
    if (read.formula && read.formula->waters > 0 &&
        WriteFormula(*read.formula) == compound.formula) {
        return {Grade::Right, ""}; // the hydrate's dot typed as "*" or "."
    }
    const FormulaReading right = ReadFormula(compound.formula);
    if (!right.formula) {
        return {Grade::Wrong, ""};
    }
    if (compound.kind == Kind::Complex && read.formula &&
        LigandsSorted(*read.formula) == LigandsSorted(*right.formula)) {
        // The same complex with its ligands in another order: IUPAC orders
        // them by their formulas ([CoCl(NH3)5]Cl2), many textbooks as the
        // name does. Right, and the verdict says how the list writes it.
        return {Grade::RightMolecular, WriteFormula(*read.formula)};
    }
    const Answer a{compound,
                   given,
                   read.formula,
                   read.error,
                   *right.formula,
                   read.formula ? CountAtoms(*read.formula) : Counts{},
                   CountAtoms(*right.formula)};
    for (const Hint hint : kHints) {
        const std::string text = hint(a);
        if (!text.empty()) {
            return {Grade::Wrong, text};
        }
    }
    return {Grade::Wrong, ""};
}

} // namespace practice
