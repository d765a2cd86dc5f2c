// Rounds, the worksheet text and where a text's formula counts are lowered.
#include "practice/Explanations.h"
#include "practice/Round.h"
#include "practice/Selection.h"
#include "practice/Subscripts.h"
#include "practice/Worksheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace practice;

namespace {

const Compound kIron = {Kind::Oxide, "Fe2O3", {"oxid železitý"}};
const Compound kCarbon = {Kind::Oxide, "CO", {"oxid uhelnatý"}};
const Compound kPhosphorus = {Kind::Oxide, "P2O5", {"oxid fosforečný"}, Level::Primary, {"P4O10"}};
const Compound kSulfane = {
    Kind::BinaryAcid, "H2S", {"kyselina sulfanová", "kyselina sirovodíková"}};
const Compound kSulfate = {Kind::Salt, "CuSO4", {"síran měďnatý"}};
const Compound kPeroxide = {Kind::Peroxide, "Na2O2", {"peroxid sodný"}};

std::vector<std::vector<Question>> OneGroup(int count) {
    std::vector<Question> group;
    for (int i = 1; i <= count; ++i) {
        group.push_back({{Kind::Oxide, "X" + std::to_string(i) + "O", {"?"}}, Ask::Name});
    }
    return {group};
}

std::vector<std::string> Formulas(const std::vector<Question>& questions) {
    std::vector<std::string> formulas;
    for (const Question& question : questions) {
        formulas.push_back(question.compound.formula);
    }
    return formulas;
}

TEST(Practice, RoundsAreDrawnWithoutRepeatsAndFromTheSeed) {
    const auto groups = OneGroup(40);
    const auto round = DrawRound(groups, 20, Direction::Mixed, 7);
    const auto formulas = Formulas(round);
    EXPECT_EQ(std::set<std::string>(formulas.begin(), formulas.end()).size(), 20u);
    EXPECT_EQ(Formulas(DrawRound(groups, 20, Direction::Mixed, 7)), formulas);
    EXPECT_NE(Formulas(DrawRound(groups, 20, Direction::Mixed, 8)), formulas);
    std::set<Ask> asks;
    for (const Question& question : round) {
        asks.insert(question.ask);
    }
    EXPECT_EQ(asks.size(), 2u) << "a mixed round asks both ways";
    EXPECT_EQ(DrawRound(groups, 5, Direction::NameToFormula, 1).back().ask, Ask::Formula);
    EXPECT_EQ(DrawRound(groups, 50, Direction::FormulaToName, 1).size(), 40u);
    EXPECT_EQ(DrawRound({}, 10, Direction::Mixed, 1).size(), 0u);
    const auto again = Formulas(Shuffled(round, 3));
    EXPECT_EQ(std::multiset<std::string>(again.begin(), again.end()),
              std::multiset<std::string>(formulas.begin(), formulas.end()));
}

TEST(Practice, RoundsDrawEveryChosenKind) {
    Selection all;
    all.kinds = Kinds();
    const auto groups = Groups(all, ListedCompounds());
    const std::size_t primaryKinds = kKindCount - 1; // complexes are taught at SŠ
    ASSERT_EQ(groups.size(), primaryKinds);
    for (const auto& group : groups) {
        for (const Question& question : group) {
            EXPECT_EQ(question.compound.level, Level::Primary) << question.compound.formula;
            EXPECT_EQ(question.compound.kind, group.front().compound.kind);
        }
    }
    const auto round = DrawRound(groups, 20, Direction::Mixed, 5);
    std::set<Kind> kinds;
    std::set<std::string> names; // a formula may come twice: CaO and pálené vápno
    for (const Question& question : round) {
        kinds.insert(question.compound.kind);
        names.insert(question.compound.Name());
    }
    EXPECT_EQ(round.size(), 20u);
    EXPECT_EQ(kinds.size(), primaryKinds) << "each kind at least once";
    EXPECT_EQ(names.size(), 20u) << "no compound twice";
    EXPECT_EQ(Groups(Selection{}, ListedCompounds()).size(), 1u) << "oxides alone at first";
}

// A choice with fewer compounds than questions is said before it starts.
TEST(Practice, ShortfallIsSaid) {
    const Selection peroxides{{Kind::Peroxide}, Level::Primary};
    const Selection acids{{Kind::BinaryAcid}, Level::Primary};
    const Selection both{{Kind::BinaryAcid, Kind::Peroxide}, Level::Secondary};
    const auto text = [](const Selection& selection, int wanted, const char* what) {
        return ShortfallText(Groups(selection, ListedCompounds()), wanted, selection.level, what);
    };
    EXPECT_EQ(text(peroxides, 10, "kolo"), "Vybraným skupinám odpovídá na základní škole jen "
                                           "jedna sloučenina: kolo bude mít 1 otázku místo 10.");
    EXPECT_EQ(text(acids, 30, "pracovní list"),
              "Vybraným skupinám odpovídají na základní škole jen 3 sloučeniny: pracovní list "
              "bude mít 3 otázky místo 30.");
    EXPECT_EQ(text(both, 20, "kolo"), "Vybraným skupinám odpovídá na střední škole jen 12 "
                                      "sloučenin: kolo bude mít 12 otázek místo 20.");
    EXPECT_EQ(text(both, 12, "kolo"), "") << "exactly enough";
    EXPECT_EQ(ShortfallText({}, 5, Level::Primary, "kolo"),
              "Vybraným skupinám neodpovídá na základní škole žádná sloučenina.");
}

TEST(Practice, RoundKeepsScoreAndMistakes) {
    Round round({{kIron, Ask::Name},
                 {kCarbon, Ask::Formula},
                 {kSulfane, Ask::Name},
                 {kPeroxide, Ask::Formula},
                 {kPhosphorus, Ask::Formula}});
    EXPECT_EQ(round.ProgressText(), "Otázka 1 z 5, správně 0");
    EXPECT_FALSE(round.Begun());
    EXPECT_EQ(round.TaskText() + " " + round.PromptText(), "Napiš název oxidu: Fe2O3");
    EXPECT_EQ(round.Answer("  ").text, "Napiš odpověď.");
    EXPECT_FALSE(round.Begun()) << "an empty answer is no answer";
    const Verdict spelled = round.Answer("oxid zelezity");
    EXPECT_EQ(spelled.text, "Správně! Fe2O3 – oxid železitý (jen se píše s diakritikou).");
    EXPECT_EQ(spelled.text.substr(0, spelled.markLength), "Správně!");
    EXPECT_EQ(Round({{kIron, Ask::Name}}).Answer("trioxid diželeza").text,
              "Správně! Fe2O3 – trioxid diželeza (stechiometrický název; ve škole se píše oxid "
              "železitý).");
    // A trivial name is shown with the systematic one.
    const Compound chalk = {Kind::Trivial,  "CaCO3", {"vápenec", "křída"},
                            Level::Primary, {},      "uhličitan vápenatý"};
    Round trivial({{chalk, Ask::Name}, {chalk, Ask::Formula}});
    EXPECT_EQ(trivial.TaskText(), "Napiš triviální název:");
    EXPECT_EQ(trivial.Answer("křída").text,
              "Správně! Křída = uhličitan vápenatý, CaCO3; říká se také vápenec.");
    EXPECT_EQ(trivial.TaskText() + " " + trivial.PromptText(), "Napiš vzorec látky: vápenec");
    EXPECT_EQ(trivial.Answer("CaCO3").text, "Správně! Vápenec = uhličitan vápenatý, CaCO3.");
    EXPECT_TRUE(round.Begun());
    EXPECT_EQ(round.TaskText() + " " + round.PromptText(), "Napiš vzorec oxidu: oxid uhelnatý");
    const Verdict wrong = round.Answer("C2O2");
    EXPECT_EQ(wrong.grade, Grade::Wrong);
    EXPECT_EQ(wrong.text.substr(0, wrong.markLength), "Špatně.");
    EXPECT_EQ(wrong.text, "Špatně. Správně je CO – oxid uhelnatý.\r\nVzorec se krátí na nejmenší "
                          "poměr: C2O2 se píše CO.\r\n" +
                              Explanation({kCarbon, Ask::Formula}));
    EXPECT_EQ(round.TaskText(), "Napiš název kyseliny:");
    EXPECT_EQ(round.Answer("sirovodík").text,
              "Správně! H2S – sirovodík, plyn; jeho roztok ve vodě je kyselina sulfanová.");
    EXPECT_EQ(round.Answer("Na2O").text,
              "Špatně. Správně je Na2O2 – peroxid sodný.\r\nNa2O je oxid sodný. Peroxid má "
              "skupinu O2, v níž má každý atom O oxidační číslo -I: Na2O2.\r\n" +
                  Explanation({kPeroxide, Ask::Formula}));
    EXPECT_EQ(round.ProgressText(), "Otázka 5 z 5, správně 2");
    EXPECT_EQ(round.Answer("P4O10").text,
              "Správně! P4O10 – oxid fosforečný; obvykle se píše P2O5.");
    EXPECT_TRUE(round.Finished());
    EXPECT_FALSE(round.Begun());
    EXPECT_EQ(round.ProgressText(), "Výsledek: 3 z 5 (60 %)");
    EXPECT_EQ(round.MistakesText(), "oxid uhelnatý: odpověď „C2O2“, správně CO\r\n"
                                    "peroxid sodný: odpověď „Na2O“, správně Na2O2");
    ASSERT_EQ(round.MistakeQuestions().size(), 2u);
    EXPECT_EQ(round.MistakeQuestions()[0].ask, Ask::Formula);
}

TEST(Practice, RtfTextAndFileNames) {
    EXPECT_EQ(RtfText("Řešení {a\\b}"), "\\'d8e\\'9aen\\'ed \\{a\\\\b\\}");
    const std::pair<std::string, std::string> names[] = {
        {"C:\\listy\\oxidy", "C:\\listy\\oxidy.rtf"},
        {"C:\\listy.v1\\oxidy", "C:\\listy.v1\\oxidy.rtf"},
        {"C:\\listy\\oxidy.doc", "C:\\listy\\oxidy.doc.rtf"},
        {"C:\\listy\\8.A", "C:\\listy\\8.A.rtf"},
        {"C:\\listy\\8.A.RTF", "C:\\listy\\8.A.RTF"},
        {"oxidy", "oxidy.rtf"},
        {"D:oxidy.rtf", "D:oxidy.rtf"},
    };
    for (const auto& [given, saved] : names) {
        EXPECT_EQ(WithRtfExtension(given), saved);
    }
    const std::pair<SaveFailure, std::string> failures[] = {
        {SaveFailure::MissingFolder, "Složka neexistuje."},
        {SaveFailure::ReadOnlyOrOpen, "Soubor je jen pro čtení nebo otevřený v jiném programu."},
        {SaveFailure::FolderNotWritable, "Do této složky nelze zapisovat."},
    };
    for (const auto& [failure, reason] : failures) {
        const std::string text = SaveFailedText("D:\\8.A.rtf", failure);
        EXPECT_EQ(text.find("Pracovní list se nepodařilo uložit do souboru\r\nD:\\8.A.rtf\r\n\r\n" +
                            reason),
                  0u)
            << text;
    }
}

TEST(Practice, WorksheetHasQuestionsPageBreakAndKeyOnA4) {
    const std::string rtf =
        WorksheetRtf({{kIron, Ask::Name}, {{Kind::Oxide, "SO3", {"oxid sírový"}}, Ask::Formula}});
    EXPECT_EQ(rtf.find_first_not_of("\t\n\r !\"#$%&'()*+,-./0123456789:;<=>?@"
                                    "ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`"
                                    "abcdefghijklmnopqrstuvwxyz{|}~"),
              std::string::npos)
        << "plain ASCII";
    EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi\\ansicpg1250", 0), 0u);
    EXPECT_NE(rtf.find("\\paperw11906\\paperh16838"), std::string::npos);
    const std::size_t page = rtf.find("\\page");
    ASSERT_NE(page, std::string::npos);
    EXPECT_EQ(rtf.find("\\page", page + 1), std::string::npos);
    const std::string sheet = rtf.substr(0, page);
    const std::string key = rtf.substr(page);
    EXPECT_NE(sheet.find("Jm\\'e9no a p\\'f8\\'edjmen\\'ed: ___"), std::string::npos);
    EXPECT_NE(sheet.find("Ke vzorc\\'f9m nap"), std::string::npos);
    EXPECT_NE(sheet.find("1.\\tab Fe{\\sub 2}O{\\sub 3}\\tab ___"), std::string::npos);
    EXPECT_NE(sheet.find("2.\\tab oxid s\\'edrov\\'fd\\tab ___"), std::string::npos);
    EXPECT_EQ(sheet.find("\\'9eelezit"), std::string::npos) << "no answers before the key";
    EXPECT_EQ(sheet.find("SO{"), std::string::npos);
    EXPECT_NE(key.find("\\'d8e\\'9aen\\'ed\\par"), std::string::npos);
    const std::size_t first = key.find("1.\\tab Fe{\\sub 2}O{\\sub 3}\\tab oxid \\'9eelezit\\'fd");
    const std::size_t second = key.find("2.\\tab oxid s\\'edrov\\'fd\\tab SO{\\sub 3}");
    EXPECT_LT(first, second);
    EXPECT_NE(second, std::string::npos);
}

TEST(Practice, WorksheetTitleSaysWhatItCoversAndTheKeyWhatCounts) {
    struct Case {
        std::vector<Question> questions;
        std::string covers;
        std::string task;
        std::string file;
    };
    const Question oxide = {kIron, Ask::Name};
    const Case cases[] = {
        {{oxide}, "Oxidy.", "Napiš názvy oxidů.", "list oxidy 2026-12-09.rtf"},
        {{{kSulfate, Ask::Name}, {kSulfate, Ask::Formula}},
         "Soli kyslíkatých kyselin.",
         "Ke vzorcům napiš názvy solí kyslíkatých kyselin, k názvům jejich vzorce.",
         "list soli 2026-12-09.rtf"},
        {{{kSulfate, Ask::Name}, {kSulfane, Ask::Name}, oxide},
         "Oxidy, bezkyslíkaté kyseliny a soli kyslíkatých kyselin.",
         "Napiš názvy sloučenin.",
         "list oxidy, kyseliny a soli 2026-12-09.rtf"},
        {{{kSulfate, Ask::Name}, {kSulfane, Ask::Name}, oxide, {kPeroxide, Ask::Name}},
         "Oxidy, peroxidy, bezkyslíkaté kyseliny a soli kyslíkatých kyselin.",
         "Napiš názvy sloučenin.",
         "list sloučeniny 2026-12-09.rtf"},
    };
    for (const Case& c : cases) {
        const std::string rtf = WorksheetRtf(c.questions);
        EXPECT_NE(rtf.find(RtfText("Pracovní list: názvosloví") + "\\par"), std::string::npos);
        EXPECT_NE(rtf.find(RtfText(c.covers) + "\\par"), std::string::npos) << c.covers;
        EXPECT_NE(rtf.find("\\b " + RtfText(c.task) + "\\b0"), std::string::npos) << c.task;
        EXPECT_EQ(WorksheetFileName(c.questions, 2026, 12, 9), c.file);
    }
    const std::string rtf =
        WorksheetRtf({{kSulfane, Ask::Name}, {kPhosphorus, Ask::Formula}, {kCarbon, Ask::Formula}});
    const std::string key = rtf.substr(rtf.find("\\page"));
    EXPECT_NE(key.find(RtfText("kyselina sulfanová (kyselina sirovodíková, sulfan, sirovodík)")),
              std::string::npos);
    EXPECT_NE(key.find("P{\\sub 2}O{\\sub 5} (P{\\sub 4}O{\\sub 1}{\\sub 0})"), std::string::npos);
    EXPECT_NE(key.find("\\tab CO\\par"), std::string::npos) << "nothing in brackets";
    // A trivial name asked for says so; the water's count stays on the line.
    const Compound vitriol = {Kind::Trivial,  "CuSO4·5H2O", {"modrá skalice"},
                              Level::Primary, {},           "pentahydrát síranu měďnatého"};
    const std::string trivial = WorksheetRtf({{vitriol, Ask::Name}});
    EXPECT_NE(trivial.find("\\b " + RtfText("Napiš triviální názvy.") + "\\b0"), std::string::npos);
    EXPECT_NE(trivial.find("CuSO{\\sub 4}\\'b75H{\\sub 2}O" + RtfText(" (triviální název)")),
              std::string::npos);
}

// Thirty questions fill one A4 page and their key another, however long the
// names and what also counts: the thirty longest of the list, asked both ways.
TEST(Practice, ThirtyQuestionsFitOnePageAndTheKeyAnother) {
    const int usable = kA4Height - 2 * kMargin;
    for (const Ask ask : {Ask::Name, Ask::Formula}) {
        std::vector<Question> longest;
        for (const Compound& compound : ListedCompounds()) {
            longest.push_back({compound, ask});
        }
        const auto length = [](const Question& q) {
            std::size_t size = 0;
            for (const std::string& name : AcceptedNames(q.compound)) {
                size += name.size() + 2;
            }
            return size;
        };
        std::sort(longest.begin(), longest.end(),
                  [&](const Question& a, const Question& b) { return length(a) > length(b); });
        longest.resize(40);
        EXPECT_GT(WorksheetHeights(longest)[0], usable) << "forty take a second page";
        longest.resize(30);
        const std::vector<int> heights = WorksheetHeights(longest);
        ASSERT_EQ(heights.size(), 2u);
        EXPECT_LE(heights[0], usable) << "questions";
        EXPECT_LE(heights[1], usable) << "key";
    }
}

TEST(Practice, SubscriptSpans) {
    const std::pair<std::string, std::vector<Span>> cases[] = {
        {"", {}},
        {"7", {}},
        {"O2", {{1, 1}}},
        {"Fe2(SO4)3", {{2, 1}, {6, 1}, {8, 1}}},
        {"C12H22O11", {{1, 2}, {4, 2}, {7, 2}}},
        {"2 atomy H dávají +2, Cu s nábojem 2+, (+2) + 2 · (-1) = 0", {}},
        {"8 : 2 = 4 atomy O: H2SO4.", {{20, 1}, {23, 1}}},
        {"Na2CO3·10H2O", {{2, 1}, {5, 1}, {10, 1}}}, // the water's count on the line
        {"Fe4[Fe(CN)6]3", {{2, 1}, {10, 1}, {12, 1}}},
    };
    for (const auto& [text, spans] : cases) {
        const std::vector<char> exact(text.begin(), text.end()); // no terminator to lean on
        EXPECT_EQ(SubscriptSpans(std::string_view(exact.data(), exact.size())), spans) << text;
    }
}

} // namespace
