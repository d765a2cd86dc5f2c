// Code page 1250 and UTF-8, the marks, and the test file.
#include "ExactBytes.h"
#include "practice/FileLines.h"
#include "practice/TestFile.h"
#include "practice/Utf8.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace practice;

namespace {

// Every character of code page 1250 above 0x7F, once as the compiler turns it
// into code page 1250 and once into UTF-8: the table is checked against iconv.
const char kUpperHalf[] = "€‚„…†‡‰Š‹ŚŤŽŹ‘’“”•–—™š›śťžź\u00A0ˇ˘Ł¤Ą¦§¨©Ş«¬\u00AD®Ż°±˛ł´µ¶·¸ąş»Ľ˝"
                          "ľżŔÁÂĂÄĹĆÇČÉĘËĚÍÎĎĐŃŇÓÔŐÖ×ŘŮÚŰÜÝŢßŕáâăäĺćçčéęëěíîďđńňóôőö÷řůúűüýţ˙";
const char kUpperHalfUtf8[] =
    u8"€‚„…†‡‰Š‹ŚŤŽŹ‘’“”•–—™š›śťžź\u00A0ˇ˘Ł¤Ą¦§¨©Ş«¬\u00AD®Ż°±˛ł´µ¶·¸ąş»"
    u8"Ľ˝ľżŔÁÂĂÄĹĆÇČÉĘËĚÍÎĎĐŃŇÓÔŐÖ×ŘŮÚŰÜÝŢßŕáâăäĺćçčéęëěíîďđńňóôőö÷řůúűüýţ˙";

TEST(Utf8, EveryCharacterOfTheCodePageAsTheCompilerHasIt) {
    ASSERT_EQ(sizeof kUpperHalf - 1, 123u) << "all but the five undefined bytes";
    EXPECT_EQ(Utf8FromCp1250(kUpperHalf), kUpperHalfUtf8);
    std::string back;
    ASSERT_TRUE(Cp1250FromUtf8(ExactBytes(kUpperHalfUtf8).View(), back));
    EXPECT_EQ(back, kUpperHalf);
}

TEST(Utf8, EveryByteComesBack) {
    std::string bytes;
    for (int b = 0; b < 256; ++b) {
        bytes += static_cast<char>(b);
    }
    std::string back;
    ASSERT_TRUE(Cp1250FromUtf8(ExactBytes(Utf8FromCp1250(bytes)).View(), back));
    EXPECT_EQ(back, bytes);
}

TEST(Utf8, MalformedOrForeignTextIsRefused) {
    struct Case {
        const char* utf8;
        const char* cp1250; // nullptr when refused
    };
    const Case cases[] = {
        {"", ""},
        {"\xC3", nullptr},                    // cut after the lead byte
        {"\xE2\x82", nullptr},                // cut after two of three
        {"\xE2\x82\xAC", "\x80"},             // the euro sign, exactly three
        {"\xC3\x28", nullptr},                // no continuation
        {"\xC0\xA1", nullptr},                // overlong
        {"\xE0\x80\x80", nullptr},            // overlong
        {"\xED\xA0\x80", nullptr},            // a surrogate
        {"\xF4\x90\x80\x80", nullptr},        // above U+10FFFF
        {"\xF0\x9F\x98\x80", nullptr},        // well-formed, not in the code page
        {"\xC2\x80", nullptr},                // U+0080 has no byte: 0x80 is the euro
        {"\xC2\x81", "\x81"},                 // an undefined byte, as written
        {"\x80", nullptr},                    // a continuation byte alone
        {"a\xC5\xBE\xC3\xA1k", "a\x9E\xE1k"}, // žák
    };
    for (const Case& c : cases) {
        std::string text;
        const bool read = Cp1250FromUtf8(ExactBytes(c.utf8).View(), text);
        EXPECT_EQ(read, c.cp1250 != nullptr) << c.utf8;
        if (read && c.cp1250) {
            EXPECT_EQ(text, c.cp1250);
        }
    }
}

TEST(Marks, ExactShareAgainstTheScale) {
    const MarkScale school; // 90, 75, 50, 30
    struct Case {
        int points, total, mark;
        const char* percent;
    };
    const Case cases[] = {
        {10, 10, 1, "100"},     {9, 10, 1, "90"},
        {899, 1000, 2, "89,9"}, {3, 4, 2, "75"},
        {2, 3, 3, "66,6"},      {1, 2, 3, "50"},
        {49, 100, 4, "49"},     {3, 10, 4, "30"},
        {2, 7, 5, "28,5"},      {0, 10, 5, "0"},
        {0, 0, 5, "0"},         {1, 3, 4, "33,3"},
        {17, 19, 2, "89,4"},    {2147483, 2147483, 1, "100"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MarkOf(c.points, c.total, school), c.mark) << c.points << "/" << c.total;
        EXPECT_EQ(PercentText(c.points, c.total), c.percent) << c.points << "/" << c.total;
    }
    EXPECT_EQ(MarkOf(1, 1, MarkScale{{100, 99, 98, 0}}), 1);
    EXPECT_EQ(MarkOf(0, 5, MarkScale{{100, 99, 98, 0}}), 4) << "a limit of 0 leaves no 5";
    EXPECT_STREQ(MarkWord(1), "výborně");
    EXPECT_STREQ(MarkWord(5), "nedostatečně");
    EXPECT_STREQ(MarkWord(0), "");
    EXPECT_STREQ(MarkWord(6), "");
}

TEST(Marks, ScaleMustFall) {
    EXPECT_EQ(ScaleFault(MarkScale{}), "");
    EXPECT_EQ(ScaleFault(MarkScale{{100, 2, 1, 0}}), "");
    EXPECT_EQ(ScaleFault(MarkScale{{90, 90, 50, 30}}),
              "Hranice pro známku 2 (90 %) musí být nižší než hranice pro známku 1 (90 %).");
    EXPECT_EQ(ScaleFault(MarkScale{{101, 75, 50, 30}}),
              "Hranice pro známku 1 musí být od 0 do 100 %.");
    EXPECT_EQ(ScaleFault(MarkScale{{90, 75, 50, -1}}),
              "Hranice pro známku 4 musí být od 0 do 100 %.");
}

TEST(FileLines, AnyByteSurvivesAField) {
    std::string field;
    for (int b = 255; b >= 0; --b) {
        field += static_cast<char>(b);
    }
    field += "\\t\\x4";
    EXPECT_EQ(Escaped("a\tb\\n\r\n\x01\x7F"), "a\\tb\\\\n\\r\\n\\x01\\x7F");
    LinesWriter out("pokus", 1);
    out.Line("pole", {field, "", "\\"});
    const std::string text = out.Text();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\t'), 3) << "the separators alone";
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 3) << "the three lines' ends alone";
    LinesReader in(ExactBytes(text).View(), "pokus", "pokus", 1);
    const std::vector<std::string> fields = in.Take("pole", 3);
    EXPECT_EQ(fields[0], field);
    EXPECT_EQ(fields[1], "");
    EXPECT_EQ(fields[2], "\\");
    in.End();
}

// The test every fault below is a change of: two variants of two questions.
std::vector<std::string> GoodTestLines() {
    return {"Zemit test 1",
            "id\t0123456789abcdef",
            "název\tOxidy – 8.A",
            "stupeň\tZŠ",
            "druhy\toxid\tsůl",
            "směr\tvzorec-název",
            "otázek\t2",
            "čas\t20",
            "stupnice\t90\t75\t50\t30",
            "varianta\tA",
            "otázka\toxid\tCO2\tnázev",
            "otázka\tsůl\tCuSO4\tnázev",
            "varianta\tB",
            "otázka\toxid\tSO2\tnázev",
            "otázka\toxid\tCO\tnázev",
            "konec"};
}

std::string FileOf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return std::string(kUtf8Bom) + Utf8FromCp1250(text);
}

TEST(TestFile, ReadsTheDocumentedLinesAndWritesThemBack) {
    const std::string file = FileOf(GoodTestLines());
    const TestReading read = ReadTestFile(ExactBytes(file).View(), ListedCompounds());
    ASSERT_EQ(read.fault, "");
    const ClassTest& test = read.test;
    EXPECT_EQ(test.title, "Oxidy – 8.A");
    EXPECT_EQ(test.selection.kinds, (std::vector<Kind>{Kind::Oxide, Kind::Salt}));
    EXPECT_EQ(test.minutes, 20);
    ASSERT_EQ(test.variants.size(), 2u);
    EXPECT_EQ(test.variants[1][0].compound.Name(), "oxid siřičitý") << "looked up in the list";
    EXPECT_EQ(TestFileText(test), file);
    ClassTest untimed = test;
    untimed.minutes = 0;
    untimed.direction = Direction::Mixed;
    untimed.variants[0][0].ask = Ask::Formula;
    const TestReading again =
        ReadTestFile(ExactBytes(TestFileText(untimed)).View(), ListedCompounds());
    ASSERT_EQ(again.fault, "");
    EXPECT_EQ(again.test.minutes, 0);
    EXPECT_EQ(again.test.variants[0][0].ask, Ask::Formula);
    // Without the byte-order mark and with bare line feeds, as an editor may save it.
    std::string bare = file.substr(kUtf8Bom.size());
    for (std::size_t at; (at = bare.find('\r')) != std::string::npos;) {
        bare.erase(at, 1);
    }
    EXPECT_EQ(ReadTestFile(ExactBytes(bare).View(), ListedCompounds()).fault, "");
}

TEST(TestFile, EachFaultIsSaidWithItsLine) {
    struct Case {
        std::size_t line; // 1 for the first; the line is replaced, or removed when empty
        const char* text;
        const char* fault;
    };
    const Case cases[] = {
        {1, "Zemit test 2",
         "Soubor uložila novější verze programu Zemit (formát 2, tato verze zná jen formát 1). "
         "Nainstalujte novější verzi Zemitu."},
        {1, "Zemit výsledek 1", "Nejde o soubor testu programu Zemit."},
        {1, "Zemit test 01", "Řádek 1: neznámé označení verze formátu „01“."},
        {2, "id\t0123456789ABCDEF",
         "Řádek 2: označení testu má být 16 šestnáctkových číslic (0–9, a–f)."},
        {3, "název\t ", "Řádek 3: název testu má mít 1 až 200 znaků."},
        {4, "stupeň\tgymnázium", "Řádek 4: stupeň „gymnázium“ není ZŠ ani SŠ."},
        {5, "druhy\toxidy", "Řádek 5: neznámý druh sloučeniny „oxidy“."},
        {5, "druhy\toxid\toxid\tsůl", "Řádek 5: druh „oxid“ je uveden dvakrát."},
        {5, "druhy", "Řádek 5: za „druhy“ chybí údaje."},
        {6, "směr\tnázev", "Řádek 6: směr „název“ není vzorec-název, název-vzorec ani smíšený."},
        {7, "otázek\t0",
         "Řádek 7: počet otázek ve variantě má být celé číslo od 1 do 200, ne „0“."},
        {7, "otázek\t02",
         "Řádek 7: počet otázek ve variantě má být celé číslo od 1 do 200, ne „02“."},
        {7, "otázek\t3", "Řádek 12: varianta A má 2 otázky místo 3."},
        {8, "čas\t601",
         "Řádek 8: časový limit v minutách má být celé číslo od 1 do 600, ne „601“."},
        {9, "stupnice\t90\t75\t50", "Řádek 9: počet údajů za „stupnice“ má být 4, ne 3."},
        {9, "stupnice\t90\t75\t80\t30",
         "Řádek 9: hranice pro známku 3 (80 %) musí být nižší než hranice pro známku 2 (75 %)."},
        {10, "varianta\tB", "Řádek 10: má tu začínat varianta A, ne „B“."},
        {11, "otázka\toxid\tCO2\tnázev\tCO2", "Řádek 11: počet údajů za „otázka“ má být 3, ne 4."},
        {11, "otázka\toxidy\tCO2\tnázev", "Řádek 11: neznámý druh sloučeniny „oxidy“."},
        {11, "otázka\thydroxid\tNaOH\tnázev",
         "Řádek 11: druh „hydroxid“ není mezi druhy, které test zkouší."},
        {11, "otázka\toxid\tFe2O4\tnázev",
         "Řádek 11: sloučeninu „Fe2O4“ druhu „oxid“ seznam programu nezná; test možná "
         "vytvořila jiná verze programu."},
        {11, "otázka\toxid\tCO2\tvzorec",
         "Řádek 11: test se ptá jen na názvy, tato otázka na vzorec."},
        {11, "otázka\toxid\tCO2\tnázvy",
         "Řádek 11: otázka se má ptát na název nebo vzorec, ne na „názvy“."},
        {12, "otázka\toxid\tCO2\tnázev", "Řádek 12: „CO2“ je ve variantě A podruhé."},
        {12, "otázka\tsůl\tCu\\SO4\tnázev",
         "Řádek 12: obsahuje zpětné lomítko, za kterým nestojí \\, t, n, r ani x se dvěma "
         "šestnáctkovými číslicemi."},
        {12, "", "Řádek 11: varianta A má 1 otázku místo 2."},
        {13, "", "Řádek 14: varianta A má 4 otázky místo 2."},
        {14, "", "Řádek 14: varianta B má 1 otázku místo 2."},
        {15, "otázka\toxid\tCO\tnázev\r", "Řádek 15: obsahuje řídicí znak."},
        {15, "", "Řádek 14: varianta B má 1 otázku místo 2."},
        {16, "",
         "Soubor je neúplný: chybí poslední řádek „konec“. Nejspíš se nepodařilo uložit ho "
         "celý."},
        {16, "konec\tx",
         "Soubor je neúplný: chybí poslední řádek „konec“. Nejspíš se nepodařilo "
         "uložit ho celý."},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines = GoodTestLines();
        if (*c.text == '\0') {
            lines.erase(lines.begin() + static_cast<long>(c.line) - 1);
        } else {
            lines[c.line - 1] = c.text;
        }
        const std::string file = FileOf(lines);
        EXPECT_EQ(ReadTestFile(ExactBytes(file).View(), ListedCompounds()).fault, c.fault)
            << c.text;
    }
    // A primary-school test of a compound taught at the secondary school.
    std::vector<std::string> lines = GoodTestLines();
    lines[10] = "otázka\toxid\tAu2O3\tnázev";
    EXPECT_EQ(ReadTestFile(ExactBytes(FileOf(lines)).View(), ListedCompounds()).fault,
              "Řádek 11: „Au2O3“ se učí až na střední škole, test je pro základní školu.");
    lines = GoodTestLines();
    lines[11].clear();
    EXPECT_EQ(ReadTestFile(ExactBytes(FileOf(lines)).View(), ListedCompounds()).fault,
              "Řádek 12: je prázdný.");
    std::string broken = FileOf(GoodTestLines());
    broken.replace(broken.find("CO2"), 3, "C\xC3("); // a lead byte without its continuation
    EXPECT_EQ(ReadTestFile(ExactBytes(broken).View(), ListedCompounds()).fault,
              "Řádek 11: text není v kódování UTF-8 nebo obsahuje znak, který Zemit neumí "
              "zobrazit.");
}

TEST(TestFile, EmptyTinyAndOversizedFiles) {
    struct Case {
        std::string bytes;
        const char* fault;
    };
    const std::string full = FileOf(GoodTestLines());
    std::string padded = full + std::string(kMaxFileBytes - full.size(), '\n');
    const Case cases[] = {
        {"", "Soubor je prázdný."},
        {"Z", "Nejde o soubor testu programu Zemit."},
        {std::string(kUtf8Bom), "Soubor je prázdný."},
        {"\r\n\r\n", "Soubor je prázdný."},
        {"Zemit test 1", "Soubor je neúplný: chybí poslední řádek „konec“. Nejspíš se nepodařilo "
                         "uložit ho celý."},
        {padded, ""}, // exactly the largest size, empty lines after the end
        {padded + "\n", "Soubor je příliš velký, nejde o soubor testu programu Zemit."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadTestFile(ExactBytes(c.bytes).View(), ListedCompounds()).fault, c.fault)
            << c.bytes.size();
    }
}

TEST(TestFile, VariantsShareAsFewQuestionsAsTheListAllows) {
    const Selection oxides{{Kind::Oxide, Kind::Peroxide}, Level::Primary};
    const auto groups = Groups(oxides, ListedCompounds());
    const auto variants = DrawVariants(groups, 10, Direction::FormulaToName, 4, 3);
    ASSERT_EQ(variants.size(), 4u);
    std::multiset<std::string> seen;
    for (const auto& variant : variants) {
        ASSERT_EQ(variant.size(), 10u);
        int peroxides = 0;
        for (const Question& question : variant) {
            seen.insert(question.compound.formula);
            peroxides += question.compound.kind == Kind::Peroxide ? 1 : 0;
            EXPECT_EQ(question.ask, Ask::Name);
        }
        EXPECT_EQ(peroxides, 1) << "the one peroxide at ZŠ in every variant";
    }
    EXPECT_EQ(seen.count("H2O2"), 4u);
    EXPECT_EQ(std::set<std::string>(seen.begin(), seen.end()).size(), 37u)
        << "36 oxides in 4 variants, none twice";
    // The teacher's own choice of exactly as many: each variant all of them, in its own order.
    const std::vector<Compound> chosen = CompoundsToChoose(oxides, " ŽELEZ ", ListedCompounds());
    ASSERT_GE(chosen.size(), 2u);
    for (const Compound& compound : chosen) {
        EXPECT_NE(compound.Name().find("želez"), std::string::npos) << compound.formula;
    }
    const auto own = DrawVariants(Groups(oxides, chosen), static_cast<int>(chosen.size()),
                                  Direction::Mixed, 2, 9);
    EXPECT_EQ(own[0].size(), chosen.size());
    EXPECT_EQ(own[1].size(), chosen.size());
    EXPECT_EQ(CompoundsToChoose(oxides, "", ListedCompounds()).size(),
              groups[0].size() + groups[1].size());
    EXPECT_EQ(CompoundsToChoose(oxides, "fe2o", ListedCompounds()).front().formula, "Fe2O3");
    EXPECT_TRUE(CompoundsToChoose(oxides, "Na2O2x", ListedCompounds()).empty());
}

TEST(TestFile, NamesOfFilesAndFolders) {
    EXPECT_EQ(TestId(0xff), "00000000000000ff");
    EXPECT_EQ(TestId(UINT64_MAX), "ffffffffffffffff");
    EXPECT_EQ(WithTestExtension("Oxidy 8.A"), "Oxidy 8.A.zemtest");
    EXPECT_EQ(WithTestExtension("a.ZEMTEST"), "a.ZEMTEST");
    EXPECT_EQ(WithTestExtension(".zemtest"), ".zemtest.zemtest");
    const std::pair<const char*, const char*> folders[] = {
        {"S:\\Chemie\\Oxidy 8.A.zemtest", "S:\\Chemie\\Oxidy 8.A - výsledky"},
        {"C:\\a.b\\test", "C:\\a.b\\test - výsledky"},
        {"C:/a/.zemtest", "C:/a/.zemtest - výsledky"},
        {"test", "test - výsledky"},
    };
    for (const auto& [path, folder] : folders) {
        EXPECT_EQ(ResultsFolder(path), folder);
    }
}

} // namespace
