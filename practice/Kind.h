// The kinds of compound a pupil practises, in the order the dialogs offer
// them, and the words each is called by. Texts are code page 1250.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace practice {

enum class Kind {
    Oxide,
    Hydroxide,
    Halide,
    Sulfide,
    Peroxide,
    BinaryAcid,
    Oxoacid,
    Salt,
    HydrogenSalt,
    Hydrate, // a salt with water of crystallisation: CuSO4·5H2O
    Complex, // a coordination compound: K4[Fe(CN)6], [Cu(NH3)4]SO4
    Trivial, // a name not made by the rules: pálené vápno, CaO
};
constexpr int kKindCount = 12;

// Every kind, oxides first.
std::vector<Kind> Kinds();

// The kind as the list writes it ("hydroxid"); nothing for another word.
const char* KindKey(Kind kind);
std::optional<Kind> KindOf(std::string_view key);
// "hydroxidy": the check box. "hydroxidů": after "názvosloví". "hydroxidu":
// after "Napiš název".
const char* KindTitle(Kind kind);
const char* KindPlural(Kind kind);
const char* KindSingular(Kind kind);

} // namespace practice
