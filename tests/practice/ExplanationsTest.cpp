// Explanations both ways: one row per style and direction, then every listed
// compound explained both ways, each arriving at its answer.
#include "practice/Explanations.h"
#include "practice/Text.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace practice;

namespace {

std::string Explained(const std::string& formula, Ask ask) {
    const auto& list = ListedCompounds();
    const auto found = std::find_if(list.begin(), list.end(),
                                    [&](const Compound& c) { return c.formula == formula; });
    return found != list.end() ? Explanation({*found, ask}) : "not listed";
}

TEST(Explanations, EachStyleBothWays) {
    const std::pair<std::string, std::string> byName[] = {
        {"Fe2O3", "Součet oxidačních čísel v oxidu je nula. Kyslík má oxidační číslo -II: tři "
                  "atomy O dávají dohromady -6, dva atomy Fe tedy +6, každý z nich má oxidační "
                  "číslo III; tomu odpovídá koncovka -itý: oxid železitý."},
        {"SnCl4",
         "Součet oxidačních čísel je nula. Chlor má v chloridu oxidační číslo -I: čtyři "
         "atomy chloru dávají dohromady -4, atom Sn tedy +4, to je oxidační číslo IV; tomu "
         "odpovídá koncovka -ičitý: chlorid cíničitý."},
        {"KI", "Součet oxidačních čísel je nula. Jod má v jodidu oxidační číslo -I: jeden atom "
               "jodu dává -1, atom K tedy +1, to je oxidační číslo I; tomu odpovídá koncovka -ný: "
               "jodid draselný."},
        {"H2O2", "Součet oxidačních čísel je nula. Kyslík má v peroxidu oxidační číslo -I: dva "
                 "atomy O dávají dohromady -2, dva atomy H tedy +2, každý z nich má oxidační "
                 "číslo I; vodík se v názvu píše ve 2. pádě: peroxid vodíku."},
        {"Ca3(PO4)2",
         "Součet nábojů je nula. PO4 je fosforečnan, anion kyseliny fosforečné H3PO4: kyselina "
         "má 3 atomy H, anion má tedy náboj 3-. Dva anionty PO4 dávají dohromady -6, tři "
         "kationty Ca tedy +6, každý z nich má náboj 2+ (oxidační číslo II); tomu odpovídá "
         "koncovka -natý: fosforečnan vápenatý."},
        {"NaHCO3", "Součet nábojů je nula. HCO3 je hydrogenuhličitan: kyselina uhličitá H2CO3 "
                   "odevzdá jen jeden ze svých dvou atomů H, anion má tedy náboj 1-. Jeden anion "
                   "HCO3 dává -1, kation Na má tedy náboj 1+ (oxidační číslo I); tomu odpovídá "
                   "koncovka -ný: hydrogenuhličitan sodný."},
        {"NH4Cl",
         "Součet nábojů je nula. Anion chloru má v chloridu náboj 1-. Jeden anion chloru "
         "dává -1, kation NH4 má tedy náboj 1+; kation NH4 se nazývá amonný: chlorid amonný."},
        {"HCl",
         "Vodík má oxidační číslo I, chlor v chlorovodíku -I: jeden atom H dává +1, jeden "
         "atom chloru -1, součet je nula. Plyn HCl se nazývá chlorovodík, jeho roztok ve vodě "
         "je kyselina chlorovodíková."},
        {"H2Cr2O7", "Součet oxidačních čísel je nula. Vodík má oxidační číslo I, kyslík -II: dva "
                    "atomy H dávají +2, sedm atomů O -14, dva atomy Cr tedy +12, každý z nich má "
                    "oxidační číslo VI; tomu odpovídá koncovka -ová a předpona di- pro dva atomy "
                    "Cr: kyselina dichromová."},
        {"K4[Fe(CN)6]",
         "Komplexní částice stojí v hranaté závorce. Čtyři kationty K s nábojem 1+ dávají "
         "dohromady +4, komplexní anion [Fe(CN)6] má tedy náboj 4-. Šest ligandů CN (kyano) s "
         "nábojem 1-: ligandy dávají dohromady -6, železo má tedy oxidační číslo II: (+2) + (-6) "
         "= -4. Komplexní anion má koncovku -an, oxidačnímu číslu II odpovídá -natan; před jméno "
         "centrálního atomu se píší ligandy s číslovkovými předponami: hexakyanoželeznatan. "
         "Kation K se nazývá draselný: hexakyanoželeznatan draselný."},
        {"[Pt(NH3)2Cl2]",
         "Komplexní částice stojí v hranaté závorce. Komplex [Pt(NH3)2Cl2] stojí ve vzorci sám, "
         "je tedy bez náboje. Dva ligandy NH3 (ammin) bez náboje a dva ligandy Cl (chloro) s "
         "nábojem 1-: ligandy dávají dohromady -2, platina má tedy oxidační číslo II: (+2) + (-2) "
         "= 0. Komplex bez náboje se nazývá jménem centrálního atomu v 1. pádě (platina); před "
         "jméno centrálního atomu se píší ligandy s číslovkovými předponami. Ligandy se v názvu "
         "řadí abecedně podle svých jmen, bez ohledu na předpony. Starší pravidla dávala "
         "aniontové ligandy před neutrální: dichlorodiamminplatina; i tak je název správně. "
         "Název: diammindichloroplatina."},
    };
    for (const auto& [formula, text] : byName) {
        EXPECT_EQ(Explained(formula, Ask::Name), text);
    }
    const std::pair<std::string, std::string> byFormula[] = {
        {"Fe2O3", "Oxid: O s oxidačním číslem -II. Železitý: koncovka -itý, Fe s oxidačním "
                  "číslem III. Nejmenší společný násobek čísel 3 a 2 je 6: 6 : 3 = 2 atomy Fe, "
                  "6 : 2 = 3 atomy O, tedy Fe2O3."},
        {"SnCl4",
         "Chlorid: chlor s oxidačním číslem -I. Cíničitý: koncovka -ičitý, Sn s oxidačním "
         "číslem IV. Atom Sn s oxidačním číslem IV vyrovnají čtyři atomy chloru: (+4) + 4 · "
         "(-1) = 0, tedy SnCl4."},
        {"H2O2", "Peroxid: skupina O2, každý atom O má oxidační číslo -I (dohromady -2). Vodíku: "
                 "H s oxidačním číslem I. Na skupinu O2 připadají 2 atomy H: H2O2 (skupina O2 se "
                 "nekrátí)."},
        {"Na2O2", "Peroxid: skupina O2 s nábojem 2- (každý atom O má oxidační číslo -I). Sodný: "
                  "koncovka -ný, kation Na s nábojem 1+. Skupinu O2 s nábojem 2- vyrovnají dva "
                  "kationty Na: 2 · (+1) + (-2) = 0, tedy Na2O2. Skupina O2 se nekrátí."},
        {"Ca(OH)2", "Hydroxid: skupina OH s nábojem 1-. Vápenatý: koncovka -natý, kation Ca s "
                    "nábojem 2+. Kation Ca s nábojem 2+ vyrovnají dvě skupiny OH: (+2) + 2 · (-1) "
                    "= 0, tedy Ca(OH)2. Skupina, která se opakuje, se píše do závorky."},
        {"Ca3(PO4)2",
         "Fosforečnan: anion kyseliny fosforečné H3PO4; kyselina má 3 atomy H, anion PO4 má tedy "
         "náboj 3-. Vápenatý: koncovka -natý, kation Ca s nábojem 2+. Nejmenší společný násobek "
         "nábojů 2 a 3 je 6: 6 : 2 = 3 kationty Ca, 6 : 3 = 2 anionty PO4, tedy Ca3(PO4)2. "
         "Skupina, která se opakuje, se píše do závorky."},
        {"KCN", "Kyanid: anion CN s nábojem 1-. Draselný: koncovka -ný, kation K s nábojem 1+. "
                "Kation K s nábojem 1+ vyrovná jeden anion CN: (+1) + (-1) = 0, tedy KCN."},
        {"HCN", "Kyselina kyanovodíková je roztok kyanovodíku ve vodě. Vodík má oxidační číslo I, "
                "skupina CN se počítá jako celek s -1 (jako chlor): na jednu skupinu CN připadá "
                "jeden atom H, tedy HCN."},
        {"Ca(H2PO4)2",
         "Dihydrogenfosforečnan: kyselina fosforečná H3PO4 odevzdá jen jeden ze svých tří atomů "
         "H, anion H2PO4 má tedy náboj 1-. Vápenatý: koncovka -natý, kation Ca s nábojem 2+. "
         "Kation Ca s nábojem 2+ vyrovnají dva anionty H2PO4: (+2) + 2 · (-1) = 0, tedy "
         "Ca(H2PO4)2. Skupina, která se opakuje, se píše do závorky."},
        {"H2S", "Kyselina sulfanová je roztok sulfanu ve vodě. Vodík má oxidační číslo I, síra "
                "-II: na jeden atom S připadají dva atomy H, tedy H2S."},
        {"H2SO4", "Koncovka -ová znamená oxidační číslo VI. Sudé číslo, proto 2 atomy H. Vodík a "
                  "síra dávají dohromady +8 (2 + 6), každý atom O -2, tedy 8 : 2 = 4 atomy O: "
                  "H2SO4."},
        {"H3PO4", "Koncovka -ečná znamená oxidační číslo V. Kyselina fosforečná je výjimka z "
                  "pravidla: má 3 atomy H (proto také trihydrogenfosforečná). Vodík a fosfor "
                  "dávají dohromady +8 (3 + 5), každý atom O -2, tedy 8 : 2 = 4 atomy O: H3PO4."},
        {"H2Cr2O7", "Koncovka -ová znamená oxidační číslo VI a předpona di- dva atomy Cr. "
                    "Kyselina dichromová má 2 atomy H. Vodík a chrom dávají dohromady +14 (2 + 2 "
                    "· 6), každý atom O -2, tedy 14 : 2 = 7 atomů O: H2Cr2O7."},
        {"[Cu(NH3)4]SO4",
         "Tetraamminměďnatý je komplexní kation (přídavné jméno): měďnatý znamená centrální atom "
         "Cu s oxidačním číslem II (koncovka -natý). Tetraammin znamená čtyři ligandy NH3 "
         "(ammin) bez náboje. Náboj komplexu je (+2) + 0 = +2. V hranaté závorce stojí centrální "
         "atom a za ním ligandy, ligand z více atomů v kulaté závorce: [Cu(NH3)4]. Síran: anion "
         "SO4 s nábojem 2-. Kation [Cu(NH3)4] s nábojem 2+ vyrovná jeden anion SO4: (+2) + (-2) "
         "= 0, tedy [Cu(NH3)4]SO4."},
    };
    for (const auto& [formula, text] : byFormula) {
        EXPECT_EQ(Explained(formula, Ask::Formula), text);
    }
    EXPECT_EQ(Explanation({{Kind::Oxide, "Fe3O4", {"oxid železnato-železitý"}}, Ask::Name}), "");
    EXPECT_EQ(Explanation({{Kind::Hydroxide, "FeO3H3", {"?"}}, Ask::Formula}), "");
}

// Every explanation is sentences that end at the answer; no oxidation number
// is written with a plus, no symbol that reads as a numeral stands alone.
TEST(Explanations, EveryListedCompoundBothWays) {
    for (const Compound& compound : ListedCompounds()) {
        for (const Ask ask : {Ask::Name, Ask::Formula}) {
            const std::string text = Explanation({compound, ask});
            SCOPED_TRACE(text);
            ASSERT_FALSE(text.empty()) << compound.formula;
            EXPECT_EQ(text, Capitalised(text));
            EXPECT_TRUE(ask == Ask::Name
                            ? EndsWith(text, " " + compound.Name() + ".")
                            : text.find(" " + compound.formula + ".") != std::string::npos ||
                                  EndsWith(text, ": " + compound.formula + ".") ||
                                  text.find(compound.formula + " (") != std::string::npos);
            for (const char* wrong : {"+I", "+V", " I má", " V má", "atom I ", "atom V ",
                                      "atom Al ", "atomy Cl ", "kation Al ", "anion Cl ", "  "}) {
                EXPECT_EQ(text.find(wrong), std::string::npos) << wrong;
            }
        }
    }
}

} // namespace
