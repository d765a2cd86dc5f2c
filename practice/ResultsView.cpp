#include "practice/ResultsView.h"

#include <algorithm>
#include <string_view>

namespace practice {
namespace {

// "1 otázka", "3 otázky", "10 otázek".
std::string Counted(int count, const char* one, const char* few, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : count >= 2 && count <= 4 ? few : many);
}

std::string Shown(const Question& question) {
    return question.ask == Ask::Name ? question.compound.formula : question.compound.Name();
}

std::string Expected(const Question& question) {
    return question.ask == Ask::Name ? question.compound.Name() : question.compound.formula;
}

const char* DirectionText(Direction direction) {
    switch (direction) {
    case Direction::FormulaToName:
        return "ze vzorce název";
    case Direction::NameToFormula:
        return "z názvu vzorec";
    case Direction::Mixed:
        break;
    }
    return "oběma směry";
}

} // namespace

Column ColumnAt(int index) {
    return static_cast<Column>(std::clamp(index, 0, kColumnCount - 1));
}

const char* ColumnHeading(Column column) {
    static const char* const kHeadings[kColumnCount] = {
        "Jméno", "Třída", "Varianta", "Body", "%", "Známka", "Čas (min)", "Stav", "Pokus"};
    return kHeadings[static_cast<int>(column)];
}

bool NumericColumn(Column column) {
    return column == Column::Points || column == Column::Percent || column == Column::Minutes ||
           column == Column::Attempt;
}

const char* StateWord(bool handedIn) {
    return handedIn ? "odevzdáno" : "rozpracováno";
}

std::vector<std::string> RowCells(const ResultRow& row) {
    return {row.name,
            row.className,
            VariantName(row.variant),
            std::to_string(row.points) + " z " + std::to_string(row.total),
            PercentText(row.points, row.total),
            std::to_string(row.mark) + " " + MarkWord(row.mark),
            row.minutes < 0 ? "" : std::to_string(row.minutes),
            StateWord(row.handedIn),
            std::to_string(row.attemptNumber)};
}

std::string TestAboutText(const ClassTest& test) {
    std::vector<Question> all;
    for (const auto& variant : test.variants) {
        all.insert(all.end(), variant.begin(), variant.end());
    }
    std::string covers = CoverageText(all);
    if (!covers.empty() && covers[0] >= 'a' && covers[0] <= 'z') {
        covers[0] = static_cast<char>(covers[0] - 'a' + 'A');
    }
    const int variants = static_cast<int>(test.variants.size());
    const int questions = test.variants.empty() ? 0 : static_cast<int>(test.variants[0].size());
    const std::string each = Counted(questions, "otázka", "otázky", "otázek");
    const auto& lowest = test.scale.lowest;
    return covers +
           (test.selection.level == Level::Primary ? " pro základní školu, "
                                                   : " pro střední školu, ") +
           DirectionText(test.direction) + ". " +
           (variants == 1 ? "Jedna varianta, " + each
                          : std::to_string(variants) + " varianty, v každé " + each) +
           (test.minutes > 0
                ? ", časový limit " + Counted(test.minutes, "minuta", "minuty", "minut")
                : ", bez časového limitu") +
           ". Známka 1 od " + std::to_string(lowest[0]) + " %, 2 od " + std::to_string(lowest[1]) +
           " %, 3 od " + std::to_string(lowest[2]) + " %, 4 od " + std::to_string(lowest[3]) +
           " %.";
}

std::string FolderStateText(const ClassOverview& overview, bool folderFound,
                            const std::string& folder) {
    if (!folderFound) {
        return "Výsledky zatím nejsou: složka „" + folder +
               "“ ještě neexistuje. Založí ji program prvního žáka, který test spustí.";
    }
    if (overview.rows.empty()) {
        return "Ve složce „" + folder + "“ zatím nejsou žádné výsledky tohoto testu.";
    }
    const auto handedIn = std::count_if(overview.rows.begin(), overview.rows.end(),
                                        [](const ResultRow& row) { return row.handedIn; });
    const auto open = static_cast<std::ptrdiff_t>(overview.rows.size()) - handedIn;
    return "Ve složce „" + folder + "“: pokusů celkem " + std::to_string(overview.rows.size()) +
           ", odevzdáno " + std::to_string(handedIn) + ", rozpracováno " + std::to_string(open) +
           ".";
}

std::string QuestionsText(const ClassOverview& overview) {
    std::string text;
    const bool several = overview.questions.size() > 1;
    for (std::size_t v = 0; v < overview.questions.size(); ++v) {
        if (several) {
            text += (v == 0 ? "" : "\r\n") + std::string("Varianta ") +
                    VariantName(static_cast<int>(v)) + ":\r\n";
        }
        for (const QuestionStat& stat : overview.questions[v]) {
            text += several ? "    " : "";
            text += stat.attempts == 0 ? std::string("zatím bez odpovědi")
                                       : std::to_string(stat.wrong) + " z " +
                                             std::to_string(stat.attempts) + " špatně";
            text += ": " + Shown(stat.question) + " – " + Expected(stat.question) + "\r\n";
        }
    }
    return text;
}

std::string UnreadableText(const ClassOverview& overview) {
    if (overview.unreadable.empty()) {
        return "Všechny soubory ve složce výsledků se podařilo přečíst.";
    }
    std::string text;
    for (const UnreadableFile& file : overview.unreadable) {
        text += file.file + ": " + file.reason + "\r\n";
    }
    return text;
}

std::string OpenFailureText(OpenFailure failure, unsigned long error) {
    switch (failure) {
    case OpenFailure::NotFound:
        return "Soubor mezitím zmizel.";
    case OpenFailure::Denied:
        return "Chybí oprávnění ke čtení; požádejte o ně správce sítě.";
    case OpenFailure::InUse:
        return "Soubor je právě otevřený v jiném programu; zkuste to za chvíli znovu.";
    case OpenFailure::Other:
        break;
    }
    return "Nelze přečíst (chyba systému " + std::to_string(error) + ").";
}

bool IsLeftoverOfWrite(const std::string& fileName) {
    const std::size_t tilde = fileName.rfind('~');
    return tilde != std::string::npos && tilde > 0 &&
           fileName.find_first_not_of("0123456789", tilde + 1) == std::string::npos &&
           (tilde + 1 == fileName.size() || fileName[tilde + 1] != '0');
}

std::string ResultsFileName(const std::string& title, const std::string& extension) {
    std::string name;
    for (const char c : title + " – výsledky") {
        const bool refused = static_cast<unsigned char>(c) < 0x20 || c == 0x7F ||
                             std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos;
        if (!refused) {
            name += c;
        }
    }
    const std::size_t first = name.find_first_not_of(". ");
    return name.substr(first == std::string::npos ? name.size() : first) + extension;
}

std::string TestOpenFailedText(const std::string& path, const std::string& fault) {
    return "Test ze souboru\r\n" + path + "\r\nnelze načíst.\r\n\r\n" + fault;
}

std::string ResultsSaveFailedText(const std::string& what, const std::string& path,
                                  SaveFailure failure) {
    // The reason as the worksheet's box gives it: the part after the path.
    const std::string worksheet = SaveFailedText(path, failure);
    const std::size_t reason = worksheet.find("\r\n\r\n", worksheet.find(path) + path.size());
    return what + " se nepodařilo uložit do souboru\r\n" + path +
           (reason == std::string::npos ? "" : worksheet.substr(reason));
}

} // namespace practice
