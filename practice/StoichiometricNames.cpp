#include "practice/StoichiometricNames.h"

#include "practice/OxidationNumbers.h"
#include "practice/Text.h"
#include "practice/Wording.h"

namespace practice {
namespace {

struct Genitive {
    const char* symbol;
    const char* names; // "|" between spellings in use
};

// The elements of the list's oxides, halides and sulfides, in the genitive.
constexpr Genitive kGenitives[] = {
    {"Ag", "stříbra"},
    {"Al", "hliníku"},
    {"As", "arsenu|arzenu"},
    {"Au", "zlata"},
    {"B", "boru"},
    {"Ba", "barya"},
    {"Be", "beryllia|berylia"},
    {"Bi", "bismutu|vizmutu"},
    {"Br", "bromu"},
    {"C", "uhlíku"},
    {"Ca", "vápníku"},
    {"Cd", "kadmia"},
    {"Ce", "ceru"},
    {"Cl", "chloru"},
    {"Co", "kobaltu"},
    {"Cr", "chromu"},
    {"Cs", "cesia"},
    {"Cu", "mědi"},
    {"Fe", "železa"},
    {"Ga", "gallia"},
    {"Ge", "germania"},
    {"Hf", "hafnia"},
    {"Hg", "rtuti"},
    {"I", "jodu"},
    {"In", "india"},
    {"K", "draslíku"},
    {"La", "lanthanu|lantanu"},
    {"Li", "lithia"},
    {"Mg", "hořčíku"},
    {"Mn", "manganu"},
    {"Mo", "molybdenu"},
    {"N", "dusíku"},
    {"Na", "sodíku"},
    {"Nb", "niobu"},
    {"Ni", "niklu"},
    {"Os", "osmia"},
    {"P", "fosforu"},
    {"Pb", "olova"},
    {"Pd", "palladia"},
    {"Pt", "platiny"},
    {"Rb", "rubidia"},
    {"Re", "rhenia"},
    {"Rh", "rhodia"},
    {"Ru", "ruthenia"},
    {"S", "síry"},
    {"Sb", "antimonu"},
    {"Sc", "skandia"},
    {"Se", "selenu"},
    {"Si", "křemíku"},
    {"Sm", "samaria"},
    {"Sn", "cínu"},
    {"Sr", "stroncia"},
    {"Ta", "tantalu"},
    {"Te", "telluru|teluru"},
    {"Th", "thoria"},
    {"Ti", "titanu"},
    {"Tl", "thallia"},
    {"U", "uranu"},
    {"V", "vanadu"},
    {"W", "wolframu"},
    {"Xe", "xenonu"},
    {"Y", "yttria"},
    {"Zn", "zinku"},
    {"Zr", "zirkonia"},
};

std::vector<std::string> Spellings(const std::string& symbol) {
    for (const Genitive& genitive : kGenitives) {
        if (symbol == genitive.symbol) {
            std::vector<std::string> spellings;
            std::string names = genitive.names;
            for (std::size_t bar; (bar = names.find('|')) != std::string::npos;
                 names.erase(0, bar + 1)) {
                spellings.push_back(names.substr(0, bar));
            }
            spellings.push_back(names);
            return spellings;
        }
    }
    return {};
}

// "dioxid", "pentaoxid" and "pentoxid", "oxid" and "monoxid".
std::vector<std::string> Counted(int count, const std::string& noun) {
    const std::string prefix = NumeralPrefix(count);
    std::vector<std::string> forms = {prefix + noun};
    const char last = prefix.back();
    if (noun.front() == 'o' && (last == 'a' || last == 'o')) {
        forms.push_back(prefix.substr(0, prefix.size() - 1) + noun);
    }
    if (count == 1) {
        forms.push_back(noun);
    }
    return forms;
}

} // namespace

std::vector<std::string> StoichiometricNames(const Compound& compound) {
    const bool binary = compound.kind == Kind::Oxide || compound.kind == Kind::Halide ||
                        compound.kind == Kind::Sulfide;
    const std::optional<Ions> ions =
        binary ? IonsOf(compound.formula, compound.kind) : std::nullopt;
    if (!ions || ions->central == "CN" || ions->cation.count > kNumeralPrefixes ||
        ions->anion.count > kNumeralPrefixes) {
        return {};
    }
    const std::string noun = Words(compound.Name()).front(); // oxid, chlorid, sulfid
    std::vector<std::string> names;
    for (const std::string& element : Spellings(ions->cation.formula)) {
        const int count = ions->cation.count;
        const std::string cation = count == 1 ? element : NumeralPrefix(count) + element;
        for (const std::string& anion : Counted(ions->anion.count, noun)) {
            names.push_back(anion + " " + cation);
        }
    }
    return names;
}

} // namespace practice
