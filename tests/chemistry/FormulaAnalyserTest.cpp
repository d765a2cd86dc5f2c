#include "chemistry/FormulaAnalyser.h"

#include "TraceCapture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using chemistry::FormulaAnalyser;

namespace {

enum class End { Flush, NewlineNoFlush, NoLineEnd };

struct Case {
    const char* formula;
    const char* result;
    const char* trace; // without its line end
    End end;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.formula;
}

const char* const kNotOxide = "Nemůže to být oxid!";
const char* const kNotOxideTrace = "CHYBA: Nemoze to byt oxid!!! ";
const char* const kTooMuch = "CHYBA:Za O je více znaků jak jeden";
const char* const kTooMuchTrace = "CHYBA:Za O je viac znakov ako jeden";
const char* const kNoDigit = "CHYBA:Za O není číslo, ale znak";
const char* const kNoDigitTrace = "CHYBA:Za O nie je cislo ale znak";
const char* const kZeroCount = "CHYBA: počet atomů musí být kladný";
const char* const kZeroCountTrace = "CHYBA: pocet atomov musi byt kladny";
const char* const kNotFound = "- první prvek nebyl nalezen jako platny!!";
const char* const kBadValence = " nema platnou valenci (1-8)!";

class Analyser : public testing::TestWithParam<Case> {};

TEST_P(Analyser, ResultAndTraceLine) {
    const Case& c = GetParam();
    TraceCapture trace;
    EXPECT_EQ(FormulaAnalyser(c.formula), c.result);
    std::string expected = c.trace;
    if (c.end != End::NoLineEnd) {
        expected += '\n';
    }
    EXPECT_EQ(trace.text(), expected);
    if (c.end == End::Flush) {
        EXPECT_EQ(trace.flushedLength(), expected.size()) << "line end must flush";
    } else {
        EXPECT_EQ(trace.flushedLength(), 0u) << "this trace line is not flushed";
    }
}

// Names by the general rule, one per valence, and the seven special formulas.
INSTANTIATE_TEST_SUITE_P(
    Names, Analyser,
    testing::Values(
        Case{"Na2O", "Na2O = oxid sod - ný  ( 1 mocný)", "Na2O = oxid sod-ný (1mocný)", End::Flush},
        Case{"CO", "CO = oxid uhel - natý  ( 2 mocný)", "CO = oxid uhel-natý (2mocný)", End::Flush},
        Case{"Fe2O3", "Fe2O3 = oxid želez - itý  ( 3 mocný)", "Fe2O3 = oxid želez-itý (3mocný)",
             End::Flush},
        Case{"MnO2", "MnO2 = oxid mangan - ičitý  ( 4 mocný)", "MnO2 = oxid mangan-ičitý (4mocný)",
             End::Flush},
        Case{"N2O5", "N2O5 = oxid dus - ičný  ( 5 mocný)", "N2O5 = oxid dus-ičný (5mocný)",
             End::Flush},
        Case{"SO3", "SO3 = oxid siřič - ový  ( 6 mocný)", "SO3 = oxid siřič-ový (6mocný)",
             End::Flush},
        Case{"Cl2O7", "Cl2O7 = oxid chlor - istý  ( 7 mocný)", "Cl2O7 = oxid chlor-istý (7mocný)",
             End::Flush},
        Case{"OsO4", "OsO4 = oxid osm - ičelý  ( 8 mocný)", "OsO4 = oxid osm-ičelý (8mocný)",
             End::Flush},
        Case{"Os2O4", "Os2O4 = oxid osm - ičitý  ( 4 mocný)", "Os2O4 = oxid osm-ičitý (4mocný)",
             End::Flush},
        Case{"SO2", "SO2 = oxid siřič - ičitý  ( 4 mocný)", "SO2 = oxid siřič-ičitý (4mocný)",
             End::Flush},
        Case{"FeO", "FeO = oxid želez - natý  ( 2 mocný)", "FeO = oxid želez-natý (2mocný)",
             End::Flush},
        Case{"H2O1", "H2O1 = oxid vod - ný  ( 1 mocný)", "H2O1 = oxid vod-ný (1mocný)", End::Flush},
        Case{"MgO", "MgO = oxid hořč - natý  ( 2 mocný)", "MgO = oxid hořč-natý (2mocný)",
             End::Flush},
        Case{"H2O", "H2O = voda", "H2O = voda", End::Flush},
        Case{"CO2", "CO2 = oxid uhl-ičitý(4-mocný)", "CO2 = oxid uhl-ičitý(4-mocný)", End::Flush},
        Case{"Fe3O4", "Fe3O4 = oxid železnato-železitý", "Fe3O4 = oxid železnato-železitý",
             End::Flush},
        Case{"MnO", "MnO = oxid manga-natý(2-mocný)", "MnO = oxid manga-natý(2-mocný)", End::Flush},
        Case{"ReO3", "ReO3 = oxid rheni-ový(6-mocný)", "ReO3 = oxid rheni-ový(6-mocný)",
             End::Flush},
        Case{"P2O5", "P2O5 = oxid fosforečný(5-mocný)", "P2O5 = oxid fosforečný(5-mocný)",
             End::Flush},
        Case{"P4O10", "P4O10 = oxid fosforečný(5-mocný)", "P4O10 = oxid fosforečný(5-mocný)",
             End::Flush}));

// Every failure outcome, in the order the checks run, with the inputs that
// tell neighbouring checks apart.
INSTANTIATE_TEST_SUITE_P(
    Errors, Analyser,
    testing::Values(
        Case{"Abc2O", kNotOxide, kNotOxideTrace, End::Flush},  // O at position 4
        Case{"Fe12O3", kNotOxide, kNotOxideTrace, End::Flush}, // counts are single digits
        Case{"OO", kNotOxide, kNotOxideTrace, End::Flush},     // second O at 1
        Case{"OsO12", kTooMuch, kTooMuchTrace, End::Flush},
        Case{"Os", kNotOxide, kNotOxideTrace, End::Flush}, // no second O
        Case{"FeO12", kTooMuch, kTooMuchTrace, End::Flush},
        Case{"Fe2X3", kTooMuch, kTooMuchTrace, End::Flush}, // no capital O
        Case{"Feo3", kTooMuch, kTooMuchTrace, End::Flush},  // a small o is no oxygen
        Case{"FeOx", kNoDigit, kNoDigitTrace, End::Flush},
        Case{"X", kNoDigit, kNoDigitTrace, End::Flush},
        Case{"AbcO", "Neznámý prvek", "CHYBA:Neznamy prvok", End::Flush},
        Case{"Fe0O3", kZeroCount, kZeroCountTrace, End::NewlineNoFlush},
        Case{"FeO0", kZeroCount, kZeroCountTrace, End::NewlineNoFlush},
        Case{"Xx0O", kZeroCount, kZeroCountTrace, End::NewlineNoFlush}, // counts before lookup
        Case{"XyO", kNotFound, "XyO- prvy prvok nebol najdeny ako platny!!", End::NoLineEnd},
        Case{"2O", kNotFound, "2O- prvy prvok nebol najdeny ako platny!!", End::NoLineEnd},
        Case{"feO", kNotFound, "feO- prvy prvok nebol najdeny ako platny!!", End::NoLineEnd},
        Case{"Fe3O2", kBadValence, "Fe3O2 nema platnu valenciu (1-8)!!", End::NoLineEnd},
        Case{"Fe3O", kBadValence, "Fe3O nema platnu valenciu (1-8)!!", End::NoLineEnd},
        Case{"CaO5", kBadValence, "CaO5 nema platnu valenciu (1-8)!!", End::NoLineEnd},
        Case{"CaO9", kBadValence, "CaO9 nema platnu valenciu (1-8)!!", End::NoLineEnd}));

// Texts the dialog never passes: no read outside the text, a defined answer.
INSTANTIATE_TEST_SUITE_P(ShortTexts, Analyser,
                         testing::Values(Case{"", kNotOxide, kNotOxideTrace, End::Flush},
                                         Case{"7", kNotOxide, kNotOxideTrace, End::Flush},
                                         Case{"O", kNotOxide, kNotOxideTrace, End::Flush}));

TEST(AnalyserText, ResultsAreCodePage1250Bytes) {
    TraceCapture trace;
    const std::string name = FormulaAnalyser("Fe2O3");
    // "ž" is 0x9E and "ý" is 0xFD in code page 1250.
    EXPECT_EQ(name.substr(13, 6), "\x9e"
                                  "elez ");
    EXPECT_EQ(static_cast<unsigned char>(name[23]), 0xFDu);
    EXPECT_EQ(name.size(), 36u);
}

TEST(AnalyserText, BytesAfterTheTextAreNotRead) {
    TraceCapture trace;
    // The joined combo texts may contain a NUL; the whole text counts.
    EXPECT_EQ(FormulaAnalyser(std::string("F\0O", 3)), kNotFound);
    EXPECT_EQ(FormulaAnalyser(std::string("FeO3\0", 5)), kTooMuch);
}

} // namespace
