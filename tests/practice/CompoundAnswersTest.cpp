// Grading and explaining the compounds beyond the oxides, rounds across kinds,
// the worksheet's title and where a text's formula counts are lowered.
#include "practice/Round.h"
#include "practice/Selection.h"
#include "practice/Subscripts.h"
#include "practice/Worksheet.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace practice;

namespace {

Question Of(Category category, const std::string& formula, const std::string& name,
            std::vector<std::string> others = {}) {
    return {{formula, name, Level::Primary, std::move(others)}, Ask::Name, category};
}

const Question kHydroxide = Of(Category::Hydroxide, "Fe(OH)3", "hydroxid železitý");
const Question kPhosphate = Of(Category::Salt, "Ca3(PO4)2", "fosforečnan vápenatý");
const Question kSulfate = Of(Category::Salt, "CuSO4", "síran měďnatý");
const Question kAcid = Of(Category::Oxoacid, "H2SO4", "kyselina sírová");
const Question kSulfane =
    Of(Category::BinaryAcid, "H2S", "kyselina sulfanová", {"kyselina sirovodíková"});
const Question kPeroxide = Of(Category::Peroxide, "Na2O2", "peroxid sodný");

Question Asking(Question question, Ask ask) {
    question.ask = ask;
    return question;
}

TEST(CompoundAnswers, Grading) {
    const std::string group = " patří do závorky a počet za závorkou říká, kolikrát se opakuje: ";
    struct Case {
        Question question;
        Ask ask;
        std::string answer;
        Grade grade;
        std::string note = "";
    };
    const Case cases[] = {
        {kSulfate, Ask::Name, "síran měďnatý", Grade::Right},
        {kSulfate, Ask::Name, " Síran  MĚĎNATÝ.", Grade::Right},
        {kSulfate, Ask::Name, "siran mednaty", Grade::RightSpelling, "síran měďnatý"},
        {kSulfate, Ask::Name, "měďnatý síran", Grade::Wrong, "Název začíná slovem „síran“."},
        {kSulfate, Ask::Name, "síran měďný", Grade::Wrong},
        {kAcid, Ask::Name, "sírová kyselina", Grade::Wrong, "Název začíná slovem „kyselina“."},
        {kSulfane, Ask::Name, "kyselina sirovodíková", Grade::RightVariant},
        {kSulfane, Ask::Name, "kyselina sirovodikova", Grade::RightSpelling,
         "kyselina sirovodíková"},
        {kHydroxide, Ask::Formula, "Fe(OH)3", Grade::Right},
        {kHydroxide, Ask::Formula, " Fe (OH) 3 ;", Grade::Right},
        {kHydroxide, Ask::Formula, "FeO3H3", Grade::Wrong, "Skupina OH" + group + "Fe(OH)3."},
        {kHydroxide, Ask::Formula, "Fe(HO)3", Grade::Wrong,
         "Atomy souhlasí, ale píšou se v tomto pořadí: Fe(OH)3."},
        {kHydroxide, Ask::Formula, "Fe2(OH)6", Grade::Wrong,
         "Vzorec se krátí na nejmenší poměr: Fe2(OH)6 se píše Fe(OH)3."},
        {kHydroxide, Ask::Formula, "fe(oh)3", Grade::Wrong,
         "„f“: značka prvku začíná velkým písmenem."},
        {kHydroxide, Ask::Formula, "Fe(OH", Grade::Wrong, "Chybí zavírací závorka."},
        {kPhosphate, Ask::Formula, "CaPO4", Grade::Wrong, "Skupina PO4" + group + "Ca3(PO4)2."},
        {kPhosphate, Ask::Formula, "Ca3PO42", Grade::Wrong, "Skupina PO4" + group + "Ca3(PO4)2."},
        {kPhosphate, Ask::Formula, "Ca3(P04)2", Grade::Wrong,
         "Místo písmene O je tu nula: Ca3(PO4)2, ne Ca3(P04)2."},
        {kPhosphate, Ask::Formula, "Ca(PO4)2", Grade::Wrong},
        {kSulfate, Ask::Formula, "Cu1SO4", Grade::Wrong,
         "Jednička se ve vzorci nepíše: CuSO4, ne Cu1SO4."},
        {kSulfate, Ask::Formula, "Cu(SO4)", Grade::Wrong, "Za závorkou chybí počet."},
        {kAcid, Ask::Formula, "SO4H2", Grade::Wrong,
         "Atomy souhlasí, ale píšou se v tomto pořadí: H2SO4."},
        {kAcid, Ask::Formula, "H2SO3", Grade::Wrong},
        {kPeroxide, Ask::Formula, "NaO", Grade::Wrong,
         "Skupina O2 peroxidu se nekrátí: Na2O2, ne NaO."},
        {kPeroxide, Ask::Formula, "Na2O", Grade::Wrong},
        {kPeroxide, Ask::Formula, " ,", Grade::Empty},
    };
    for (const Case& c : cases) {
        const Assessment assessment = Assess(Asking(c.question, c.ask), c.answer);
        EXPECT_EQ(assessment.grade, c.grade) << c.answer;
        EXPECT_EQ(assessment.note, c.note) << c.answer;
    }
}

TEST(CompoundAnswers, Explanations) {
    struct Case {
        Question question;
        Ask ask;
        std::string text;
    };
    const Case cases[] = {
        {kAcid, Ask::Name,
         "Součet oxidačních čísel je nula; H má +I, O -II: 2 atomy H dávají +2, 4 atomy O -8, "
         "síra tedy +6 (oxidační číslo VI): koncovka -ová, kyselina sírová."},
        {kAcid, Ask::Formula,
         "Koncovka -ová znamená oxidační číslo VI: síra +6. Sudé číslo, proto 2 atomy H; atomů O "
         "je tolik, aby byl součet nula: (2 + 6) : 2 = 4, tedy H2SO4."},
        {Of(Category::Oxoacid, "H3PO4", "kyselina fosforečná"), Ask::Formula,
         "Koncovka -ečná znamená oxidační číslo V: fosfor +5. Tato kyselina má 3 atomy H: 3 atomy "
         "H (+3), fosfor (+5) a 4 atomy O (-8) dávají dohromady 0, tedy H3PO4."},
        {Of(Category::Oxoacid, "H2Cr2O7", "kyselina dichromová"), Ask::Name,
         "Součet oxidačních čísel je nula; H má +I, O -II: 2 atomy H dávají +2, 7 atomů O -14, "
         "2 atomy Cr tedy +12, každý z nich +6 (oxidační číslo VI): koncovka -ová a předpona di- "
         "pro 2 atomy Cr, kyselina dichromová."},
        {kSulfate, Ask::Formula,
         "síran: anion kyseliny sírové SO4 s nábojem 2-; měďnatý: koncovka -natý, Cu s nábojem "
         "2+; náboje se vyrovnají v poměru 1:1, tedy CuSO4."},
        {kPhosphate, Ask::Name,
         "Součet nábojů je nula. PO4 je fosforečnan, anion kyseliny fosforečné H3PO4 s nábojem "
         "3-: dva anionty PO4 dávají dohromady -6, tři atomy Ca tedy +6, každý z nich +2, to je "
         "oxidační číslo II; tomu odpovídá koncovka -natý: fosforečnan vápenatý."},
        {Of(Category::Salt, "(NH4)2SO4", "síran amonný"), Ask::Formula,
         "síran: anion kyseliny sírové SO4 s nábojem 2-; amonný: kation NH4 s nábojem 1+; náboje "
         "se vyrovnají v poměru 2:1, tedy (NH4)2SO4. Skupina, která se opakuje, se píše do "
         "závorky."},
        {kHydroxide, Ask::Name,
         "Součet nábojů je nula. Skupina OH má náboj 1-: tři skupiny OH dávají dohromady -3, atom "
         "Fe tedy +3, to je oxidační číslo III; tomu odpovídá koncovka -itý: hydroxid železitý."},
        {Of(Category::Halide, "SF6", "fluorid sírový"), Ask::Name,
         "Součet oxidačních čísel je nula. F má ve fluoridu oxidační číslo -I: 6 atomů F dává "
         "dohromady -6, atom S tedy +6, to je oxidační číslo VI; tomu odpovídá koncovka -ový: "
         "fluorid sírový."},
        {Of(Category::Halide, "CCl4", "chlorid uhličitý"), Ask::Formula,
         "chlorid: anion Cl s nábojem 1-; uhličitý: koncovka -ičitý, C s oxidačním číslem IV; "
         "oxidační čísla se vyrovnají v poměru 1:4, tedy CCl4."},
        {Of(Category::Peroxide, "H2O2", "peroxid vodíku"), Ask::Name,
         "Součet oxidačních čísel je nula. Kyslík má v peroxidu oxidační číslo -I: dva atomy O "
         "dávají dohromady -2, dva atomy H tedy +2, každý z nich +1; vodík se v názvu píše ve "
         "2. pádě: peroxid vodíku."},
        {kSulfane, Ask::Formula,
         "kyselina sulfanová je roztok sulfanu ve vodě: H má oxidační číslo +I, S -II, na jeden "
         "atom S tedy dva atomy H: H2S."},
        {Of(Category::Sulfide, "CuS", "sulfid měďnatý"), Ask::Name,
         "Součet oxidačních čísel je nula. S má v sulfidu oxidační číslo -II: jeden atom S dává "
         "-2, atom Cu tedy +2, to je oxidační číslo II; tomu odpovídá koncovka -natý: sulfid "
         "měďnatý."},
        {Of(Category::Hydroxide, "FeO3H3", "?"), Ask::Name, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Explanation(Asking(c.question, c.ask)), c.text) << c.question.oxide.formula;
    }
}

// Every compound of the list is explained both ways, and each explanation
// arrives at the answer it explains.
TEST(CompoundAnswers, EveryListedCompoundIsExplainedBothWays) {
    const auto ends = [](const std::string& text, const std::string& end) {
        return text.size() > end.size() &&
               text.compare(text.size() - end.size(), end.size(), end) == 0;
    };
    for (const Compound& compound : ListedCompounds()) {
        const Question question = Of(compound.category, compound.formula, compound.names[0]);
        const std::string name = Explanation(Asking(question, Ask::Name));
        const std::string formula = Explanation(Asking(question, Ask::Formula));
        EXPECT_TRUE(ends(name, ": " + compound.names[0] + ".") ||
                    ends(name, ", " + compound.names[0] + "."))
            << name;
        EXPECT_NE(formula.find(" " + compound.formula + "."), std::string::npos) << formula;
    }
}

TEST(CompoundAnswers, RoundsDrawEveryChosenKind) {
    Selection all;
    all.kinds = Kinds();
    const auto groups = Groups(all, ListedOxides(), ListedCompounds());
    ASSERT_EQ(groups.size(), 8u);
    for (const auto& group : groups) {
        for (const Question& question : group) {
            EXPECT_EQ(question.oxide.level, Level::Primary) << question.oxide.formula;
            EXPECT_EQ(question.category, group.front().category) << question.oxide.formula;
        }
    }
    const auto round = DrawRound(groups, 10, Direction::Mixed, 5);
    std::set<std::optional<Category>> kinds;
    std::set<std::string> formulas;
    for (const Question& question : round) {
        kinds.insert(question.category);
        formulas.insert(question.oxide.formula);
    }
    EXPECT_EQ(round.size(), 10u);
    EXPECT_EQ(kinds.size(), 8u) << "each kind at least once";
    EXPECT_EQ(formulas.size(), 10u) << "no compound twice";
    // Primary-school peroxides are only H2O2: a round of peroxides alone ends there.
    const Selection peroxides{{Category::Peroxide}, Level::Primary};
    EXPECT_EQ(DrawRound(Groups(peroxides, ListedOxides(), ListedCompounds()), 10,
                        Direction::FormulaToName, 1)
                  .size(),
              1u);
    EXPECT_EQ(Groups(Selection{}, ListedOxides(), ListedCompounds()).size(), 1u);
    EXPECT_EQ(DrawRound(std::vector<std::vector<Question>>{}, 5, Direction::Mixed, 1).size(), 0u);
    Round asked({kAcid, Asking(kPeroxide, Ask::Formula)});
    EXPECT_EQ(asked.TaskText(), "Napiš název kyseliny:");
    asked.Answer("kyselina sírová");
    EXPECT_EQ(asked.TaskText(), "Napiš vzorec peroxidu:");
    EXPECT_EQ(asked.Answer("Na2O").text, "peroxid sodný: špatně, správně je Na2O2.\r\n" +
                                             Explanation(Asking(kPeroxide, Ask::Formula)));
}

TEST(CompoundAnswers, WorksheetTitleSaysWhatItCovers) {
    struct Case {
        std::vector<Question> questions;
        std::string title;
        std::string task;
    };
    const Question oxide = {{"SO3", "oxid sírový"}, Ask::Name};
    const Case cases[] = {
        {{oxide}, "názvosloví oxidů", "Napiš názvy oxidů."},
        {{kSulfate, Asking(kPhosphate, Ask::Formula)},
         "názvosloví solí kyslíkatých kyselin",
         "Ke vzorcům napiš názvy solí kyslíkatých kyselin, k názvům jejich vzorce."},
        {{kAcid, oxide}, "názvosloví oxidů a kyslíkatých kyselin", "Napiš názvy sloučenin."},
        {{kSulfate, kHydroxide, kSulfane, oxide},
         "názvosloví oxidů, hydroxidů, bezkyslíkatých kyselin a solí kyslíkatých kyselin",
         "Napiš názvy sloučenin."},
    };
    for (const Case& c : cases) {
        const std::string rtf = WorksheetRtf(c.questions);
        EXPECT_NE(rtf.find("\\b " + RtfText("Pracovní list: " + c.title) + "\\par"),
                  std::string::npos)
            << c.title;
        EXPECT_NE(rtf.find("\\b " + RtfText(c.task) + "\\b0"), std::string::npos) << c.task;
    }
    const std::string rtf = WorksheetRtf({Asking(kPhosphate, Ask::Formula)});
    const std::size_t page = rtf.find("\\page");
    EXPECT_EQ(rtf.find("Ca{\\sub 3}(PO{\\sub 4}){\\sub 2}"), rtf.find("Ca{\\sub 3}", page))
        << "the formula only in the key";
}

TEST(CompoundAnswers, SubscriptSpans) {
    const std::pair<std::string, std::vector<Span>> cases[] = {
        {"", {}},
        {"7", {}},
        {"O2", {{1, 1}}},
        {"Fe2(SO4)3", {{2, 1}, {6, 1}, {8, 1}}},
        {"C12H22O11", {{1, 2}, {4, 2}, {7, 2}}},
        {"2 atomy H dávají +2, Cu s nábojem 2+, v poměru 1:1", {}},
        {"(2 + 6) : 2 = 4, tedy H2SO4.", {{23, 1}, {26, 1}}},
        {"Na2O2: špatně", {{2, 1}, {4, 1}}},
    };
    for (const auto& [text, spans] : cases) {
        const std::vector<char> exact(text.begin(), text.end()); // no terminator to lean on
        EXPECT_EQ(SubscriptSpans(std::string_view(exact.data(), exact.size())), spans) << text;
    }
}

} // namespace
