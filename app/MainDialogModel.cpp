#include "app/MainDialogModel.h"

namespace app {
namespace {

std::vector<std::string> NumberItems(std::initializer_list<int> numbers, bool emptyLast) {
    std::vector<std::string> items;
    for (int number : numbers) {
        items.push_back(std::to_string(number));
    }
    if (emptyLast) {
        items.emplace_back();
    }
    return items;
}

} // namespace

const char* const kMissingInputText = "Vybrali jste hdonoty z comboboxů ?";
const char* const kMessageCaption = "MESSAGE";
const char* const kCaptionPrefix = "Zemit ";
const char* const kProgramFileName = "zemit.exe";
const char* const kHelpFileName = "help.rtf";

// An empty item stands for a count of 1; 6 oxygen atoms are not offered.
std::vector<std::string> ElementCountItems() {
    return NumberItems({1, 2}, true);
}
std::vector<std::string> OxygenItems() {
    return {"O"};
}
std::vector<std::string> OxygenCountItems() {
    return NumberItems({1, 2, 3, 4, 5, 7}, true);
}

std::optional<std::string> JoinFormula(const std::string& symbol, const std::string& elementCount,
                                       const std::string& oxygen, const std::string& oxygenCount) {
    if (symbol.empty() || oxygen.empty()) {
        return std::nullopt;
    }
    return symbol + elementCount + oxygen + oxygenCount;
}

bool CompositionComplete(const std::string& name, const std::string& suffix) {
    return !name.empty() && !suffix.empty();
}

std::string FormatFileVersion(uint32_t versionMS, uint32_t versionLS) {
    return std::to_string(versionMS >> 16) + "." + std::to_string(versionMS & 0xFFFF) + "." +
           std::to_string(versionLS >> 16) + "." + std::to_string(versionLS & 0xFFFF);
}

std::string MainCaption(const std::string& captionText) {
    return captionText + " betatesting version";
}

} // namespace app
