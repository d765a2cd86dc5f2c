// The school where a compound is taught first: základní škola (ZŠ) or střední
// škola (SŠ). A secondary-school class practises both. Texts are code page 1250.
#pragma once

#include <optional>
#include <string_view>

namespace practice {

enum class Level { Primary, Secondary };

// The level as the lists write it: "ZŠ" or "SŠ"; nothing for anything else.
inline std::optional<Level> LevelOf(std::string_view field) {
    if (field == "ZŠ") {
        return Level::Primary;
    }
    if (field == "SŠ") {
        return Level::Secondary;
    }
    return std::nullopt;
}

// Whether a class of level `practising` practises what is taught first at
// `taught`: a primary class only its own, a secondary class everything.
inline bool Practises(Level practising, Level taught) {
    return practising == Level::Secondary || taught == Level::Primary;
}

} // namespace practice
