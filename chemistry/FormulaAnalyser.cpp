#include "chemistry/FormulaAnalyser.h"

#include "chemistry/ElementTables.h"

#include <iostream>

namespace chemistry {
namespace {

// How a trace line ends.
enum class LineEnd { NewlineAndFlush, NewlineOnly, None };

// One failure outcome: the result text and the Slovak trace line.
struct Failure {
    const char* result;
    const char* trace;
    bool traceStartsWithFormula;
    LineEnd end;
};

const Failure kNotAnOxide = {"Nemůže to být oxid!", "CHYBA: Nemoze to byt oxid!!! ", false,
                             LineEnd::NewlineAndFlush};
const Failure kNoDigitAfterO = {"CHYBA:Za O není číslo, ale znak",
                                "CHYBA:Za O nie je cislo ale znak", false,
                                LineEnd::NewlineAndFlush};
const Failure kTooMuchAfterO = {"CHYBA:Za O je více znaků jak jeden",
                                "CHYBA:Za O je viac znakov ako jeden", false,
                                LineEnd::NewlineAndFlush};
const Failure kUnknownElement = {"Neznámý prvek", "CHYBA:Neznamy prvok", false,
                                 LineEnd::NewlineAndFlush};
const Failure kCountNotPositive = {"CHYBA: počet atomů musí být kladný",
                                   "CHYBA: pocet atomov musi byt kladny", false,
                                   LineEnd::NewlineOnly};
const Failure kSymbolNotFound = {"- první prvek nebyl nalezen jako platny!!",
                                 "- prvy prvok nebol najdeny ako platny!!", true, LineEnd::None};
const Failure kInvalidValence = {" nema platnou valenci (1-8)!", " nema platnu valenciu (1-8)!!",
                                 true, LineEnd::None};

void EndLine(LineEnd end) {
    if (end == LineEnd::NewlineAndFlush) {
        std::cout << std::endl;
    } else if (end == LineEnd::NewlineOnly) {
        std::cout << '\n';
    }
}

std::string Fail(const Failure& failure, const std::string& formula) {
    if (failure.traceStartsWithFormula) {
        std::cout << formula;
    }
    std::cout << failure.trace;
    EndLine(failure.end);
    return failure.result;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int FindCapitalO(const std::string& text) {
    const std::string::size_type position = text.find('O');
    return position == std::string::npos ? -1 : static_cast<int>(position);
}

} // namespace

const std::map<std::string, std::string>& SpecialNameTable() {
    static const std::map<std::string, std::string> table = {
        {"H2O", "voda"},
        {"Fe3O4", "oxid železnato-železitý"},
        {"CO2", "oxid uhl-ičitý(4-mocný)"},
        {"MnO", "oxid manga-natý(2-mocný)"},
        {"ReO3", "oxid rheni-ový(6-mocný)"},
        {"P2O5", "oxid fosforečný(5-mocný)"},
        {"P4O10", "oxid fosforečný(5-mocný)"},
    };
    return table;
}

std::string FormulaAnalyser(std::string formula) {
    const std::string& f = formula;
    const int n = static_cast<int>(f.size());

    const auto special = SpecialNameTable().find(f);
    if (special != SpecialNameTable().end()) {
        const std::string result = f + " = " + special->second;
        std::cout << result << std::endl;
        return result;
    }

    int p = FindCapitalO(f);
    if (p > 3) {
        return Fail(kNotAnOxide, f);
    }
    if (p == 0) {
        // A symbol that begins with O ("Os"): look for the oxygen behind it.
        std::string masked = f;
        masked[0] = ' ';
        p = FindCapitalO(masked);
        if (p < 2 || p > 3) {
            return Fail(kNotAnOxide, f);
        }
    }

    int elementCount = 1;
    int oxygenCount = 1;
    if (p == n - 2) {
        if (!IsDigit(f[p + 1])) {
            return Fail(kNoDigitAfterO, f);
        }
        oxygenCount = f[p + 1] - '0';
    }
    if (n - p > 2) {
        return Fail(kTooMuchAfterO, f);
    }
    // Only an empty text or a single digit gets here without an O; there is no
    // byte before an O to read, and no O means it cannot be an oxide.
    if (p < 1) {
        return Fail(kNotAnOxide, f);
    }

    std::string symbol;
    if (IsDigit(f[p - 1])) {
        elementCount = f[p - 1] - '0';
        symbol = f.substr(0, p - 1);
    } else if (p > 2) {
        return Fail(kUnknownElement, f);
    } else {
        symbol = f.substr(0, p);
    }

    if (elementCount < 1 || oxygenCount < 1) {
        return Fail(kCountNotPositive, f);
    }

    const int row = FindSymbolRow(AnalyserElementTable, symbol);
    if (row == kElementCount) {
        return Fail(kSymbolNotFound, f);
    }

    const int k = (2 * oxygenCount) / elementCount - 1;
    if (k < 0 || k >= kValenceCount || (2 * oxygenCount) % elementCount != 0) {
        return Fail(kInvalidValence, f);
    }
    const int valence = k + 1;
    const std::string& stem = AnalyserElementTable.stem[row];
    const std::string& suffix = AnalyserSuffixTable[k];
    std::cout << f << " = "
              << "oxid " << stem << "-" << suffix << " (" << valence << "mocný)" << std::endl;
    return f + " = oxid " + stem + " - " + suffix + "  ( " + std::to_string(valence) + " mocný)";
}

} // namespace chemistry
