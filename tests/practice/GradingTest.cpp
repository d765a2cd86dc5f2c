// Grading answers of every kind: one path, one row per accepted form and per hint.
#include "practice/Grading.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace practice;

namespace {

// The listed compound written so; its trivial name's line when asked.
Compound Listed(const std::string& formula, bool trivial = false) {
    const auto& list = ListedCompounds();
    const auto found = std::find_if(list.begin(), list.end(), [&](const Compound& c) {
        return c.formula == formula && (c.kind == Kind::Trivial) == trivial;
    });
    EXPECT_NE(found, list.end()) << formula;
    return found != list.end() ? *found : Compound{Kind::Oxide, formula, {"?"}};
}

struct Case {
    std::string formula; // of the listed compound asked about
    Ask ask;
    std::string answer;
    Grade grade;
    std::string note = "";
    bool trivial = false; // the line of the formula's trivial name
};

template <std::size_t N> void Check(const Case (&cases)[N]) {
    for (const Case& c : cases) {
        const Assessment assessment = Assess({Listed(c.formula, c.trivial), c.ask}, c.answer);
        EXPECT_EQ(assessment.grade, c.grade) << c.formula << ": " << c.answer;
        EXPECT_EQ(assessment.note, c.note) << c.formula << ": " << c.answer;
    }
}

TEST(Grading, NamesAcceptedAndTheirHints) {
    const std::string older = " (ligandy v pořadí starších pravidel, aniontové před neutrálními; "
                              "současná pravidla je řadí abecedně)";
    const std::string amin =
        "Ligand NH3 se jmenuje ammin, se dvěma m (aminy jsou organické sloučeniny).";
    const Case cases[] = {
        {"Fe2O3", Ask::Name, "  Oxid \t ŽELEZITÝ. ", Grade::Right},
        {"Fe2O3", Ask::Name, "oxid\xA0železitý ;", Grade::Right},
        {"Fe2O3", Ask::Name, "OXID ZELEZITÝ", Grade::RightSpelling, "oxid železitý"},
        {"Fe2O3", Ask::Name, "oxid železítý", Grade::Wrong}, // a wrong accent is no missing one
        {"Fe2O3", Ask::Name, "oxidželezitý", Grade::Wrong},
        {"Fe2O3", Ask::Name, " . ", Grade::Empty},
        {"BeO", Ask::Name, "oxid berylnatý", Grade::RightVariant, "oxid berylnatý"},
        {"BeO", Ask::Name, "oxid berylnaty", Grade::RightSpelling, "oxid berylnatý"},
        {"SnCl4", Ask::Name, "chlorid cíničitý", Grade::Right},
        {"SnO2", Ask::Name, "oxid ciničitý", Grade::RightSpelling, "oxid cíničitý"},
        {"Bi2S3", Ask::Name, "sulfid vizmutitý", Grade::RightVariant, "sulfid vizmutitý"},
        {"H2S", Ask::Name, "kyselina sirovodíková", Grade::RightVariant, "kyselina sirovodíková"},
        {"HCl", Ask::Name, "Chlorovodík", Grade::RightGas, "chlorovodík"},
        {"H2S", Ask::Name, "sirovodík", Grade::RightGas, "sirovodík"},
        {"H2S", Ask::Name, "sulfan", Grade::RightGas, "sulfan"},
        {"HCN", Ask::Name, "kyanovodík", Grade::RightGas, "kyanovodík"},
        // Stoichiometric names, made from the counts.
        {"Fe2O3", Ask::Name, "trioxid diželeza", Grade::RightStoichiometric, "trioxid diželeza"},
        {"CO2", Ask::Name, "dioxid uhliku", Grade::RightStoichiometric, "dioxid uhlíku"},
        {"CO", Ask::Name, "monoxid uhlíku", Grade::RightStoichiometric, "monoxid uhlíku"},
        {"P2O5", Ask::Name, "pentoxid difosforu", Grade::RightStoichiometric, "pentoxid difosforu"},
        {"P2O5", Ask::Name, "pentaoxid difosforu", Grade::RightStoichiometric,
         "pentaoxid difosforu"},
        {"FeCl3", Ask::Name, "trichlorid železa", Grade::RightStoichiometric, "trichlorid železa"},
        {"CS2", Ask::Name, "disulfid uhlíku", Grade::RightStoichiometric, "disulfid uhlíku"},
        {"Bi2O3", Ask::Name, "trioxid divizmutu", Grade::RightStoichiometric, "trioxid divizmutu"},
        {"CO2", Ask::Name, "oxid uhlíku", Grade::Wrong},
        {"Fe2O3", Ask::Name, "dioxid triželeza", Grade::Wrong},
        {"NH4Cl", Ask::Name, "chlorid amonia", Grade::Wrong},
        // Word order, in every kind.
        {"Fe2O3", Ask::Name, "železitý oxid", Grade::Wrong, "Název začíná slovem „oxid“."},
        {"H2SO4", Ask::Name, "sírová kyselina", Grade::Wrong, "Název začíná slovem „kyselina“."},
        // An ending that stands for another oxidation number.
        {"Fe2O3", Ask::Name, "oxid železnatý", Grade::Wrong,
         "Koncovka -natý znamená oxidační číslo II; Fe má tu oxidační číslo III, tedy -itý."},
        {"SnO2", Ask::Name, "oxid cinaty", Grade::Wrong,
         "Koncovka -natý znamená oxidační číslo II; Sn má tu oxidační číslo IV, tedy -ičitý."},
        {"Na2SO4", Ask::Name, "siřičitan sodný", Grade::Wrong,
         "Koncovka -ičitan znamená oxidační číslo IV; S má tu oxidační číslo VI, tedy -an."},
        {"HNO3", Ask::Name, "kyselina dusitá", Grade::Wrong,
         "Koncovka -itá znamená oxidační číslo III; N má tu oxidační číslo V, tedy -ičná."},
        {"Na2HPO4", Ask::Name, "dihydrogenfosforečnan sodný", Grade::Wrong},
        {"NaHCO3", Ask::Name, "hydrogenuhlicitan sodny", Grade::RightSpelling,
         "hydrogenuhličitan sodný"},
        {"CuSO4", Ask::Name, "síran měďný", Grade::Wrong,
         "Koncovka -ný znamená oxidační číslo I; Cu má tu oxidační číslo II, tedy -natý."},
        {"Fe2O3", Ask::Name, "oxid měďnatý", Grade::Wrong},
        // Hydrates and trivial names.
        {"CuSO4·5H2O", Ask::Name, "pentahydrat siranu mednateho", Grade::RightSpelling,
         "pentahydrát síranu měďnatého"},
        {"CaCO3", Ask::Name, "Křída", Grade::RightVariant, "křída", true},
        {"CaO", Ask::Name, "oxid vápenatý", Grade::Wrong,
         "To je systematický název; triviální název je pálené vápno.", true},
        // Complexes: the older order of ligands, hyphens between them, and the slips.
        {"[Co(NH3)5Cl]Cl2", Ask::Name, "chlorid pentaammin-chlorokobaltitý", Grade::Right},
        {"[Co(NH3)5Cl]Cl2", Ask::Name, "chlorid chloropentaamminkobaltity", Grade::RightVariant,
         "chlorid chloropentaamminkobaltitý" + older},
        {"[Pt(NH3)2Cl2]", Ask::Name, "dichloro-diamminplatina", Grade::RightVariant,
         "dichlorodiamminplatina" + older},
        {"[Cu(NH3)4]SO4", Ask::Name, "síran tetraaminměďnatý", Grade::Wrong, amin},
        {"[Co(NH3)5Cl]Cl2", Ask::Name, "chlorid chloropentaaminkobaltitý", Grade::Wrong, amin},
        {"K4[Fe(CN)6]", Ask::Name, "kyanoželeznatan draselný", Grade::Wrong,
         "Počet ligandů udává číslovková předpona: 6 CN je hexakyano."},
        {"[Co(NH3)5Cl]Cl2", Ask::Name, "chlorid amminchlorokobaltitý", Grade::Wrong,
         "Počet ligandů udává číslovková předpona: 5 NH3 je pentaammin."},
        {"K4[Fe(CN)6]", Ask::Name, "hexakyanoželeznatý draselný", Grade::Wrong,
         "Komplexní anion má koncovku -an: hexakyanoželeznatan, ne hexakyanoželeznatý."},
        {"K4[Fe(CN)6]", Ask::Name, "hexakyanoželezitan draselný", Grade::Wrong,
         "Koncovka -itan znamená oxidační číslo III; Fe má tu oxidační číslo II, tedy -natan."},
        {"[Cu(NH3)4]SO4", Ask::Name, "síran tetraamminměďný", Grade::Wrong,
         "Koncovka -ný znamená oxidační číslo I; Cu má tu oxidační číslo II, tedy -natý."},
        {"Na3[Ag(S2O3)2]", Ask::Name, "dithiosulfatostříbrnan sodný", Grade::RightVariant,
         "dithiosulfatostříbrnan sodný"},
    };
    Check(cases);
}

TEST(Grading, FormulasAcceptedAndTheirHints) {
    const std::string brackets = "Komplexní částice patří do hranaté závorky a ligand z více "
                                 "atomů, který se opakuje, do kulaté: ";
    const std::string repeat = " patří do závorky a počet za závorkou říká, kolikrát se opakuje: ";
    const std::string reduce = "Vzorec se krátí na nejmenší poměr: ";
    const Case cases[] = {
        {"Fe(OH)3", Ask::Formula, " Fe (OH) 3 ;", Grade::Right},
        {"P2O5", Ask::Formula, "P4O10", Grade::RightMolecular, "P4O10"},
        {"Fe(OH)3", Ask::Formula, "", Grade::Empty},
        {"CuSO4·5H2O", Ask::Formula, "CuSO4 * 5H2O", Grade::Right},
        {"CuSO4·5H2O", Ask::Formula, "CuSO4.5H2O", Grade::Right, "", true},
        // Letter case, in oxides as in the other kinds.
        {"Fe2O3", Ask::Formula, "fe2o3", Grade::Wrong,
         "Ve vzorci záleží na velikosti písmen: značka prvku začíná velkým písmenem, její "
         "druhé písmeno je malé. Správně je Fe2O3."},
        {"CO2", Ask::Formula, "Co2", Grade::Wrong,
         "Ve vzorci záleží na velikosti písmen: Co je kobalt. Správně je CO2."},
        {"Fe(OH)3", Ask::Formula, "FE(OH)3", Grade::Wrong,
         "Ve vzorci záleží na velikosti písmen: značka prvku začíná velkým písmenem, její "
         "druhé písmeno je malé. Správně je Fe(OH)3."},
        // Slips the reader refuses.
        {"Fe2O3", Ask::Formula, "Fe203", Grade::Wrong,
         "Místo písmene O je tu nula: Fe2O3, ne Fe203."},
        {"Ca3(PO4)2", Ask::Formula, "Ca3(P04)2", Grade::Wrong,
         "Místo písmene O je tu nula: Ca3(PO4)2, ne Ca3(P04)2."},
        {"NaOH", Ask::Formula, "Na(OH)", Grade::Wrong,
         "Závorka se píše jen kolem skupiny, která se opakuje: NaOH."},
        {"NaOH", Ask::Formula, "Na(OH)1", Grade::Wrong,
         "Závorka se píše jen kolem skupiny, která se opakuje: NaOH."},
        {"NH4Cl", Ask::Formula, "(NH4)Cl", Grade::Wrong,
         "Závorka se píše jen kolem skupiny, která se opakuje: NH4Cl."},
        {"FeO", Ask::Formula, "Fe1O1", Grade::Wrong,
         "Jednička se ve vzorci nepíše: FeO, ne Fe1O1."},
        {"CuSO4", Ask::Formula, "Cu1SO4", Grade::Wrong,
         "Jednička se ve vzorci nepíše: CuSO4, ne Cu1SO4."},
        {"Fe(OH)3", Ask::Formula, "Fe(OH", Grade::Wrong, "Chybí zavírací závorka."},
        {"Fe2O3", Ask::Formula, "Fe4000O6000", Grade::Wrong, "Počet „4000“ je příliš velký."},
        // Slips in formulas that read.
        {"Fe(OH)3", Ask::Formula, "FeO3H3", Grade::Wrong, "Skupina OH" + repeat + "Fe(OH)3."},
        {"Ca3(PO4)2", Ask::Formula, "Ca3PO42", Grade::Wrong, "Skupina PO4" + repeat + "Ca3(PO4)2."},
        {"H2SO4", Ask::Formula, "SO4H2", Grade::Wrong,
         "Atomy souhlasí, ale píší se v tomto pořadí: H2SO4."},
        {"Fe2O3", Ask::Formula, "Fe4O6", Grade::Wrong, reduce + "Fe4O6 se píše Fe2O3."},
        {"Fe(OH)3", Ask::Formula, "Fe2(OH)6", Grade::Wrong, reduce + "Fe2(OH)6 se píše Fe(OH)3."},
        {"P2O5", Ask::Formula, "P8O20", Grade::Wrong, reduce + "P8O20 se píše P2O5."},
        {"Na2O2", Ask::Formula, "Na4O4", Grade::Wrong,
         "Počty se krátí, ale skupina O2 zůstává celá: Na2O2."},
        {"H2O2", Ask::Formula, "H4O4", Grade::Wrong,
         "Počty se krátí, ale skupina O2 zůstává celá: H2O2."},
        {"Na2O2", Ask::Formula, "NaO", Grade::Wrong,
         "Skupina O2 peroxidu se nekrátí: Na2O2, ne NaO."},
        {"BaO2", Ask::Formula, "BaO", Grade::Wrong,
         "BaO je oxid barnatý. Peroxid má skupinu O2, v níž má každý atom O oxidační číslo -I: "
         "BaO2."},
        {"Fe2O3", Ask::Formula, "Fe3O2", Grade::Wrong, "Počty jsou prohozené: Fe2O3, ne Fe3O2."},
        {"Al2(SO4)3", Ask::Formula, "Al3(SO4)2", Grade::Wrong,
         "Počty jsou prohozené: Al2(SO4)3, ne Al3(SO4)2."},
        {"Fe2(SO4)3", Ask::Formula, "FeSO4", Grade::Wrong,
         "FeSO4 je síran železnatý (Fe II); železitý znamená Fe III: Fe2(SO4)3."},
        {"Fe2O3", Ask::Formula, "FeO", Grade::Wrong,
         "FeO je oxid železnatý (Fe II); železitý znamená Fe III: Fe2O3."},
        {"H2SO4", Ask::Formula, "H2SO3", Grade::Wrong,
         "H2SO3 je kyselina siřičitá (S IV); sírová znamená S VI: H2SO4."},
        {"Ca3(PO4)2", Ask::Formula, "Ca(PO4)2", Grade::Wrong},
        {"Ca(HCO3)2", Ask::Formula, "CaHCO3", Grade::Wrong, "Skupina HCO3" + repeat + "Ca(HCO3)2."},
        {"NaH2PO4", Ask::Formula, "Na2HPO4", Grade::Wrong,
         "Na2HPO4 je hydrogenfosforečnan sodný, správně je NaH2PO4."},
        {"KCN", Ask::Formula, "K(CN)", Grade::Wrong,
         "Závorka se píše jen kolem skupiny, která se opakuje: KCN."},
        {"KCN", Ask::Formula, "KNC", Grade::Wrong,
         "Atomy souhlasí, ale píší se v tomto pořadí: KCN."},
        {"K4[Fe(CN)6]", Ask::Formula, "K4Fe(CN)6", Grade::Wrong, brackets + "K4[Fe(CN)6]."},
        // The ligands in the order of their formulas, as IUPAC writes them.
        {"[Co(NH3)5Cl]Cl2", Ask::Formula, "[CoCl(NH3)5]Cl2", Grade::RightMolecular,
         "[CoCl(NH3)5]Cl2"},
        {"[Co(NH3)5Cl]Cl2", Ask::Formula, "[ClCo(NH3)5]Cl2", Grade::Wrong,
         "Atomy souhlasí, ale píší se v tomto pořadí: [Co(NH3)5Cl]Cl2."},
        {"[Cu(NH3)4]SO4", Ask::Formula, "[CuN4H12]SO4", Grade::Wrong,
         "Atomy souhlasí, ale píší se v tomto pořadí: [Cu(NH3)4]SO4."},
        {"[Cu(NH3)4]SO4", Ask::Formula, "[Cu(NH3)4SO4]", Grade::Wrong, brackets + "[Cu(NH3)4]SO4."},
        {"[Ni(CO)4]", Ask::Formula, "[Ni(CO)4]]", Grade::Wrong,
         "Zavírací hranatá závorka nemá otevírací."},
        {"K3[Fe(CN)6]", Ask::Formula, "K4[Fe(CN)6]", Grade::Wrong,
         "K4[Fe(CN)6] je hexakyanoželeznatan draselný (Fe II); hexakyanoželezitan znamená Fe "
         "III: K3[Fe(CN)6]."},
    };
    Check(cases);
}

TEST(Grading, AcceptedNamesAddTheGasOnlyToBinaryAcids) {
    EXPECT_EQ(AcceptedNames(Listed("H2S")),
              (std::vector<std::string>{"kyselina sulfanová", "kyselina sirovodíková", "sulfan",
                                        "sirovodík"}));
    EXPECT_EQ(AcceptedNames(Listed("H2SO4")), (std::vector<std::string>{"kyselina sírová"}));
    EXPECT_EQ(GasOf("kyselina"), "");
    // A complex's older order of ligands, where it differs, for the worksheet's key.
    EXPECT_EQ(AcceptedNames(Listed("[Co(NH3)5Cl]Cl2")),
              (std::vector<std::string>{"chlorid pentaamminchlorokobaltitý",
                                        "chlorid chloropentaamminkobaltitý"}));
    EXPECT_EQ(AcceptedNames(Listed("[Cu(NH3)4]SO4")),
              (std::vector<std::string>{"síran tetraamminměďnatý"}));
}

} // namespace
