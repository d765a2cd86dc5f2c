#include "practice/Kind.h"

namespace practice {
namespace {

struct KindText {
    const char* key;
    const char* title;
    const char* plural;
    const char* singular;
};

// In the order of Kind.
constexpr KindText kTexts[kKindCount] = {
    {"oxid", "oxidy", "oxidů", "oxidu"},
    {"hydroxid", "hydroxidy", "hydroxidů", "hydroxidu"},
    {"halogenid", "halogenidy", "halogenidů", "halogenidu"},
    {"sulfid", "sulfidy", "sulfidů", "sulfidu"},
    {"peroxid", "peroxidy", "peroxidů", "peroxidu"},
    {"bezkyslíkatá", "bezkyslíkaté kyseliny", "bezkyslíkatých kyselin", "kyseliny"},
    {"kyslíkatá", "kyslíkaté kyseliny", "kyslíkatých kyselin", "kyseliny"},
    {"sůl", "soli kyslíkatých kyselin", "solí kyslíkatých kyselin", "soli"},
    {"hydrogensůl", "hydrogensoli", "hydrogensolí", "hydrogensoli"},
    {"hydrát", "hydráty", "hydrátů", "hydrátu"},
    {"komplex", "komplexní sloučeniny", "komplexních sloučenin", "komplexní sloučeniny"},
    {"triviální", "triviální názvy", "triviálních názvů", "látky"},
};

const KindText& Text(Kind kind) {
    return kTexts[static_cast<int>(kind)];
}

} // namespace

std::vector<Kind> Kinds() {
    std::vector<Kind> kinds;
    for (int i = 0; i < kKindCount; ++i) {
        kinds.push_back(static_cast<Kind>(i));
    }
    return kinds;
}

const char* KindKey(Kind kind) {
    return Text(kind).key;
}

std::optional<Kind> KindOf(std::string_view key) {
    for (const Kind kind : Kinds()) {
        if (key == Text(kind).key) {
            return kind;
        }
    }
    return std::nullopt;
}

const char* KindTitle(Kind kind) {
    return Text(kind).title;
}

const char* KindPlural(Kind kind) {
    return Text(kind).plural;
}

const char* KindSingular(Kind kind) {
    return Text(kind).singular;
}

} // namespace practice
