#include "practice/TestFile.h"

#include "practice/AttemptFile.h"
#include "practice/FileLines.h"
#include "practice/Text.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace practice {
namespace {

constexpr std::size_t kMaxTitle = 200;

struct DirectionWord {
    Direction direction;
    const char* word;
};
constexpr DirectionWord kDirections[] = {{Direction::FormulaToName, "vzorec-název"},
                                         {Direction::NameToFormula, "název-vzorec"},
                                         {Direction::Mixed, "smíšený"}};

const char* AskWord(Ask ask) {
    return ask == Ask::Name ? "název" : "vzorec";
}

std::string KeyOf(const Compound& compound) {
    return std::string(KindKey(compound.kind)) + "\t" + compound.formula;
}

bool Covers(const Selection& selection, Kind kind) {
    return std::find(selection.kinds.begin(), selection.kinds.end(), kind) != selection.kinds.end();
}

// "1 otázku", "3 otázky", "10 otázek".
std::string QuestionCount(std::size_t count) {
    return std::to_string(count) + (count == 1                 ? " otázku"
                                    : count >= 2 && count <= 4 ? " otázky"
                                                               : " otázek");
}

const char* SchoolOf(Level level) {
    return level == Level::Primary ? "základní škole" : "střední škole";
}

// A question of a variant as the file writes it, checked against the test.
Question ReadQuestion(LinesReader& in, const ClassTest& test,
                      const std::vector<Compound>& compounds) {
    const std::vector<std::string> fields = in.Take("otázka", 3);
    const std::optional<Kind> kind = KindOf(fields[0]);
    if (!kind) {
        in.Fail("neznámý druh sloučeniny „" + fields[0] + "“");
    }
    if (!Covers(test.selection, *kind)) {
        in.Fail("druh „" + fields[0] + "“ není mezi druhy, které test zkouší");
    }
    const auto compound =
        std::find_if(compounds.begin(), compounds.end(), [&](const Compound& listed) {
            return listed.kind == *kind && listed.formula == fields[1];
        });
    if (compound == compounds.end()) {
        in.Fail("sloučeninu „" + fields[1] + "“ druhu „" + fields[0] +
                "“ seznam programu nezná; test možná vytvořila jiná verze programu");
    }
    if (!Practises(test.selection.level, compound->level)) {
        in.Fail("„" + fields[1] + "“ se učí až na střední škole, test je pro základní školu");
    }
    if (fields[2] != "název" && fields[2] != "vzorec") {
        in.Fail("otázka se má ptát na název nebo vzorec, ne na „" + fields[2] + "“");
    }
    const Ask ask = fields[2] == "název" ? Ask::Name : Ask::Formula;
    if ((test.direction == Direction::FormulaToName && ask != Ask::Name) ||
        (test.direction == Direction::NameToFormula && ask != Ask::Formula)) {
        in.Fail(std::string("test se ptá jen na ") + (ask == Ask::Name
                                                          ? "vzorce, tato otázka na název"
                                                          : "názvy, tato otázka na vzorec"));
    }
    return {*compound, ask};
}

ClassTest ReadTest(std::string_view bytes, const std::vector<Compound>& compounds) {
    LinesReader in(bytes, "test", "soubor testu", kTestFileVersion);
    ClassTest test;
    test.id = in.Take("id", 1)[0];
    if (test.id.size() != 16 ||
        test.id.find_first_not_of("0123456789abcdef") != std::string::npos) {
        in.Fail("označení testu má být 16 šestnáctkových číslic (0–9, a–f)");
    }
    test.title = in.Take("název", 1)[0];
    if (Folded(test.title).empty() || test.title.size() > kMaxTitle) {
        in.Fail("název testu má mít 1 až 200 znaků");
    }
    const std::string level = in.Take("stupeň", 1)[0];
    if (!LevelOf(level)) {
        in.Fail("stupeň „" + level + "“ není ZŠ ani SŠ");
    }
    test.selection.level = *LevelOf(level);
    test.selection.kinds.clear();
    for (const std::string& key : in.TakeAny("druhy")) {
        const std::optional<Kind> kind = KindOf(key);
        if (!kind) {
            in.Fail("neznámý druh sloučeniny „" + key + "“");
        }
        if (Covers(test.selection, *kind)) {
            in.Fail("druh „" + key + "“ je uveden dvakrát");
        }
        test.selection.kinds.push_back(*kind);
    }
    const std::string direction = in.Take("směr", 1)[0];
    const auto word = std::find_if(std::begin(kDirections), std::end(kDirections),
                                   [&](const DirectionWord& w) { return direction == w.word; });
    if (word == std::end(kDirections)) {
        in.Fail("směr „" + direction + "“ není vzorec-název, název-vzorec ani smíšený");
    }
    test.direction = word->direction;
    const int count =
        in.Number(in.Take("otázek", 1)[0], 1, kMaxTestQuestions, "počet otázek ve variantě");
    if (in.NextKey() == "čas") {
        test.minutes =
            in.Number(in.Take("čas", 1)[0], 1, kMaxTestMinutes, "časový limit v minutách");
    }
    const std::vector<std::string> limits = in.Take("stupnice", 4);
    for (int i = 0; i < 4; ++i) {
        test.scale.lowest[i] =
            in.Number(limits[i], 0, 100, "hranice pro známku " + std::to_string(i + 1));
    }
    if (const std::string fault = ScaleFault(test.scale); !fault.empty()) {
        in.Fail(fault);
    }
    do {
        const std::string name = in.Take("varianta", 1)[0];
        const int variant = static_cast<int>(test.variants.size());
        if (variant == kMaxVariants) {
            in.Fail("test může mít nejvýš 4 varianty, A až D");
        }
        if (name != VariantName(variant)) {
            in.Fail("má tu začínat varianta " + VariantName(variant) + ", ne „" + name + "“");
        }
        std::vector<Question>& questions = test.variants.emplace_back();
        while (in.NextKey() == "otázka") {
            const Question question = ReadQuestion(in, test, compounds);
            for (const Question& earlier : questions) {
                if (KeyOf(earlier.compound) == KeyOf(question.compound)) {
                    in.Fail("„" + question.compound.formula + "“ je ve variantě " + name +
                            " podruhé");
                }
            }
            questions.push_back(question);
        }
        if (questions.size() != static_cast<std::size_t>(count)) {
            in.Fail("varianta " + name + " má " + QuestionCount(questions.size()) + " místo " +
                    std::to_string(count));
        }
    } while (in.NextKey() == "varianta");
    in.End();
    return test;
}

} // namespace

std::string TestId(uint64_t random) {
    std::string id(16, '0');
    for (int i = 15; i >= 0; --i, random >>= 4) {
        id[i] = "0123456789abcdef"[random & 15];
    }
    return id;
}

std::string VariantName(int variant) {
    return std::string(1, static_cast<char>('A' + variant));
}

std::vector<std::vector<Question>> DrawVariants(const std::vector<std::vector<Question>>& groups,
                                                int count, Direction direction, int variants,
                                                uint32_t seed) {
    std::vector<std::vector<Question>> drawn;
    std::map<std::string, int> uses; // variants that have a compound, by its kind and formula
    for (int variant = 0; variant < variants; ++variant) {
        const uint32_t variantSeed = seed + 0x9E3779B9u * static_cast<uint32_t>(variant);
        // How many questions each group gives, as a round would take them.
        const std::vector<Question> round =
            DrawRound(groups, count, Direction::FormulaToName, variantSeed);
        std::vector<Question> chosen;
        for (std::size_t g = 0; g < groups.size(); ++g) {
            const auto share = std::count_if(round.begin(), round.end(), [&](const Question& q) {
                return std::any_of(groups[g].begin(), groups[g].end(), [&](const Question& own) {
                    return KeyOf(own.compound) == KeyOf(q.compound);
                });
            });
            std::vector<Question> candidates =
                Shuffled(groups[g], variantSeed + static_cast<uint32_t>(g) + 1);
            std::stable_sort(candidates.begin(), candidates.end(),
                             [&](const Question& a, const Question& b) {
                                 return uses[KeyOf(a.compound)] < uses[KeyOf(b.compound)];
                             });
            chosen.insert(chosen.end(), candidates.begin(), candidates.begin() + share);
        }
        for (const Question& question : chosen) {
            ++uses[KeyOf(question.compound)];
        }
        // In an order of its own, and for a mixed test each asking its own way.
        drawn.push_back(
            DrawRound({chosen}, static_cast<int>(chosen.size()), direction, ~variantSeed));
    }
    return drawn;
}

std::vector<Compound> CompoundsToChoose(const Selection& selection, const std::string& filter,
                                        const std::vector<Compound>& compounds) {
    const std::string wanted = Plain(filter);
    std::vector<Compound> found;
    for (const auto& group : Groups(selection, compounds)) {
        for (const Question& question : group) {
            const Compound& compound = question.compound;
            bool matches = Plain(compound.formula).find(wanted) != std::string::npos;
            for (const std::string& name : compound.names) {
                matches = matches || Plain(name).find(wanted) != std::string::npos;
            }
            if (matches) {
                found.push_back(compound);
            }
        }
    }
    return found;
}

std::string TestFault(const ClassTest& test) {
    if (Folded(test.title).empty()) {
        return "Napište název testu, třeba „Oxidy – 8.A“.";
    }
    if (test.title.size() > kMaxTitle) {
        return "Název testu je delší než 200 znaků. Zkraťte ho.";
    }
    if (test.minutes < 0 || test.minutes > kMaxTestMinutes) {
        return "Časový limit může být nejvýš 600 minut.";
    }
    if (const std::string fault = ScaleFault(test.scale); !fault.empty()) {
        return fault;
    }
    if (test.variants.empty() || test.variants.size() > static_cast<std::size_t>(kMaxVariants)) {
        return "Test má mít 1 až 4 varianty.";
    }
    const std::size_t count = test.variants.front().size();
    if (count == 0) {
        return std::string("Vybraným druhům neodpovídá na ") + SchoolOf(test.selection.level) +
               " žádná sloučenina, nebo jste žádnou nezaškrtli.";
    }
    if (count > static_cast<std::size_t>(kMaxTestQuestions)) {
        return "Test může mít nejvýš 200 otázek.";
    }
    for (const auto& variant : test.variants) {
        if (variant.size() != count) {
            return "Všechny varianty testu mají mít stejný počet otázek.";
        }
    }
    return "";
}

std::string TestFileText(const ClassTest& test) {
    LinesWriter out("test", kTestFileVersion);
    out.Line("id", {test.id});
    out.Line("název", {test.title});
    out.Line("stupeň", {test.selection.level == Level::Primary ? "ZŠ" : "SŠ"});
    std::vector<std::string> kinds;
    for (const Kind kind : test.selection.kinds) {
        kinds.push_back(KindKey(kind));
    }
    out.Line("druhy", kinds);
    for (const DirectionWord& word : kDirections) {
        if (word.direction == test.direction) {
            out.Line("směr", {word.word});
        }
    }
    out.Line("otázek", {std::to_string(test.variants.empty() ? 0 : test.variants.front().size())});
    if (test.minutes > 0) {
        out.Line("čas", {std::to_string(test.minutes)});
    }
    std::vector<std::string> limits;
    for (const int limit : test.scale.lowest) {
        limits.push_back(std::to_string(limit));
    }
    out.Line("stupnice", limits);
    for (std::size_t v = 0; v < test.variants.size(); ++v) {
        out.Line("varianta", {VariantName(static_cast<int>(v))});
        for (const Question& question : test.variants[v]) {
            out.Line("otázka", {KindKey(question.compound.kind), question.compound.formula,
                                AskWord(question.ask)});
        }
    }
    return out.Text();
}

TestReading ReadTestFile(std::string_view bytes, const std::vector<Compound>& compounds) {
    try {
        return {ReadTest(bytes, compounds), ""};
    } catch (const FileFault& fault) {
        return {ClassTest{}, fault.text};
    }
}

std::string WithTestExtension(const std::string& path) {
    return WithExtension(path, kTestExtension);
}

std::string ResultsFolder(const std::string& testPath) {
    const std::size_t slash = testPath.find_last_of("\\/");
    const std::size_t name = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t dot = testPath.rfind('.');
    const std::size_t end = dot != std::string::npos && dot > name ? dot : testPath.size();
    return testPath.substr(0, end) + " - výsledky";
}

namespace {

// The path without the extension of its file name, if any.
std::string WithoutExtension(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    const std::size_t name = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t dot = path.rfind('.');
    return dot != std::string::npos && dot > name ? path.substr(0, dot) : path;
}

} // namespace

std::string TestFileName(const std::string& title) {
    std::string name = ResultFileName({title, "", "", ""});
    name.erase(name.size() - 4); // ".txt"
    return name + kTestExtension;
}

std::string VariantSheetPath(const std::string& testPath, int variant) {
    return WithoutExtension(testPath) + " - varianta " + VariantName(variant) + ".rtf";
}

std::string VariantHeading(const std::string& title, int variant) {
    return title + ", varianta " + VariantName(variant);
}

} // namespace practice
