#include "chemistry/ElementTables.h"

namespace chemistry {
namespace {

// Row 17 is sulphur; the two instances differ only in its stem.
constexpr int kSulphurRow = 17;

struct Row {
    const char* symbol;
    const char* stem;
};

// Rows 0 to 54 run in descending Czech alphabetical order of the stem;
// hydrogen and magnesium stand after them.
constexpr Row kRows[kElementCount] = {
    {"Fe", "želez"},    {"Au", "zlat"},   {"Zr", "zirkon"}, {"Zn", "zinec"},  {"Y", "yttr"},
    {"W", "wolfram"},   {"Ca", "vápe"},   {"V", "vanad"},   {"U", "uran"},    {"C", "uhel"},
    {"Ti", "titan"},    {"Th", "thor"},   {"Te", "tellur"}, {"Ta", "tantal"}, {"Ag", "stříbr"},
    {"Sr", "stront"},   {"Na", "sod"},    {"S", "sir"},     {"Se", "selen"},  {"Sm", "samar"},
    {"Ru", "ruthen"},   {"Hg", "rtuť"},   {"Rh", "rhod"},   {"Re", "rhen"},   {"Pt", "plat"},
    {"Pd", "pallad"},   {"Os", "osm"},    {"Pb", "olov"},   {"Nb", "niob"},   {"Ni", "nikl"},
    {"Mo", "molybden"}, {"Cu", "měď"},    {"Mn", "mangan"}, {"Li", "lith"},   {"La", "lanthan"},
    {"Si", "křem"},     {"Co", "kobalt"}, {"Cd", "kadm"},   {"I", "jod"},     {"Cr", "chrom"},
    {"Cl", "chlor"},    {"Al", "hlin"},   {"Hf", "hafn"},   {"Ge", "german"}, {"P", "fosfor"},
    {"N", "dus"},       {"K", "drasel"},  {"Sn", "cin"},    {"Ce", "cer"},    {"B", "bor"},
    {"Bi", "bismut"},   {"Be", "berill"}, {"Ba", "bar"},    {"As", "arsen"},  {"Sb", "antimon"},
    {"H", "vod"},       {"Mg", "hořč"},
};

constexpr const char* kSuffixes[kValenceCount] = {"ný",   "natý", "itý",  "ičitý",
                                                  "ičný", "ový",  "istý", "ičelý"};

ElementTable BuildElementTable(const char* sulphurStem) {
    ElementTable table;
    for (int row = 0; row < kElementCount; ++row) {
        table.symbol[row] = kRows[row].symbol;
        table.stem[row] = kRows[row].stem;
    }
    table.stem[kSulphurRow] = sulphurStem;
    return table;
}

SuffixTable BuildSuffixTable() {
    SuffixTable table;
    for (int row = 0; row < kValenceCount; ++row) {
        table[row] = kSuffixes[row];
    }
    return table;
}

template <typename Column> int FindRow(const Column& column, const std::string& text) {
    int row = 0;
    while (row < static_cast<int>(column.size()) && column[row] != text) {
        ++row;
    }
    return row;
}

} // namespace

const ElementTable AnalyserElementTable = BuildElementTable("siřič");
const SuffixTable AnalyserSuffixTable = BuildSuffixTable();
const ElementTable DialogElementTable = BuildElementTable("sir");
const SuffixTable DialogSuffixTable = BuildSuffixTable();

OxygenPartTable BuildOxygenPartTable() {
    OxygenPartTable parts;
    for (int valence = 1; valence <= kValenceCount; ++valence) {
        const bool odd = valence % 2 == 1;
        const int count = odd ? valence : valence / 2;
        std::string part = odd ? "2O" : "O";
        if (count > 1) {
            part += std::to_string(count);
        }
        parts[valence - 1] = part;
    }
    return parts;
}

int FindSymbolRow(const ElementTable& table, const std::string& symbol) {
    return FindRow(table.symbol, symbol);
}

int FindStemRow(const ElementTable& table, const std::string& stem) {
    return FindRow(table.stem, stem);
}

int FindSuffixRow(const SuffixTable& table, const std::string& suffix) {
    return FindRow(table, suffix);
}

} // namespace chemistry
