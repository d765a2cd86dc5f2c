#include "practice/Worksheet.h"

#include "practice/Selection.h"

#include <cctype>
#include <cstdio>

namespace practice {
namespace {

// A4 in twips, with 2 cm margins.
const char* const kHeader = "{\\rtf1\\ansi\\ansicpg1250\\deff0\\deflang1029\n"
                            "{\\fonttbl{\\f0\\froman\\fcharset238 Times New Roman;}"
                            "{\\f1\\fswiss\\fcharset238 Arial;}}\n"
                            "\\paperw11906\\paperh16838\\margl1134\\margr1134\\margt1134\\margb1134"
                            "\n";
const char* const kTitle = "\\pard\\plain\\sa240\\f1\\fs32\\b ";
const char* const kBody = "\\pard\\plain\\sa200\\f0\\fs24 ";
const char* const kQuestion = "\\pard\\plain\\sb120\\sa120\\tx567\\tx3402\\f0\\fs24 ";

// Digits of a formula as subscripts: Fe{\sub 2}O{\sub 3}.
std::string RtfFormula(const std::string& formula) {
    std::string rtf;
    for (const char c : formula) {
        if (c >= '0' && c <= '9') {
            rtf += std::string("{\\sub ") + c + "}";
        } else {
            rtf += RtfText(std::string(1, c));
        }
    }
    return rtf;
}

std::string Shown(const Question& question) {
    return question.ask == Ask::Name ? RtfFormula(question.compound.formula)
                                     : RtfText(question.compound.Name());
}

// The answer the key shows first, then in brackets what also counts as right,
// so that marking by hand accepts what the program accepts.
std::string Answer(const Question& question) {
    const Compound& compound = question.compound;
    const bool name = question.ask == Ask::Name;
    const std::vector<std::string> accepted = name ? AcceptedNames(compound) : compound.molecular;
    std::string key = name ? RtfText(compound.Name()) : RtfFormula(compound.formula);
    for (std::size_t i = name ? 1 : 0; i < accepted.size(); ++i) {
        key += (i == (name ? 1u : 0u) ? " (" : ", ") +
               (name ? RtfText(accepted[i]) : RtfFormula(accepted[i]));
    }
    return key + (accepted.size() > (name ? 1u : 0u) ? ")" : "");
}

std::string Task(const std::vector<Question>& questions) {
    bool names = false;
    bool formulas = false;
    bool mixed = false;
    for (const Question& question : questions) {
        (question.ask == Ask::Name ? names : formulas) = true;
        mixed = mixed || question.compound.kind != questions.front().compound.kind;
    }
    const std::string what = questions.empty() ? "oxidů"
                             : mixed           ? "sloučenin"
                                               : KindPlural(questions.front().compound.kind);
    if (names && formulas) {
        return "Ke vzorcům napiš názvy " + what + ", k názvům jejich vzorce.";
    }
    return (formulas ? "Napiš vzorce " : "Napiš názvy ") + what + ".";
}

std::string Paragraph(const char* format, const std::string& text) {
    return format + text + "\\par\n";
}

} // namespace

std::string RtfText(const std::string& text) {
    std::string rtf;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\' || c == '{' || c == '}') {
            rtf += '\\';
            rtf += c;
        } else if (byte >= 0x80) {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\'%02x", byte);
            rtf += escape;
        } else {
            rtf += c;
        }
    }
    return rtf;
}

std::string WorksheetRtf(const std::vector<Question>& questions) {
    const std::string line(36, '_');
    std::string rtf = kHeader;
    rtf += Paragraph(kTitle, RtfText("Pracovní list: " + CoverageText(questions)));
    rtf += Paragraph(kBody, RtfText("Jméno a příjmení: " + line));
    rtf += Paragraph(kBody,
                     RtfText("Třída: " + line.substr(0, 12) + "   Datum: " + line.substr(0, 16)));
    rtf += Paragraph(kBody, "\\b " + RtfText(Task(questions)) + "\\b0 ");
    for (std::size_t i = 0; i < questions.size(); ++i) {
        rtf += Paragraph(kQuestion,
                         std::to_string(i + 1) + ".\\tab " + Shown(questions[i]) + "\\tab " + line);
    }
    rtf += "\\page\n";
    rtf += Paragraph(kTitle, RtfText("Řešení"));
    for (std::size_t i = 0; i < questions.size(); ++i) {
        rtf += Paragraph(kQuestion, std::to_string(i + 1) + ".\\tab " + Shown(questions[i]) +
                                        "\\tab " + Answer(questions[i]));
    }
    return rtf + "}\n";
}

std::string WithRtfExtension(const std::string& path) {
    const std::string extension = ".rtf";
    if (path.size() > extension.size()) {
        std::string ending = path.substr(path.size() - extension.size());
        for (char& c : ending) {
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        if (ending == extension) {
            return path;
        }
    }
    return path + extension;
}

std::string SaveFailedText(const std::string& path, SaveFailure failure) {
    const char* reason = "Zkontrolujte, zda složka existuje a zda do ní lze zapisovat.";
    switch (failure) {
    case SaveFailure::MissingFolder:
        reason = "Složka neexistuje. Vyberte jinou.";
        break;
    case SaveFailure::ReadOnlyOrOpen:
        reason = "Soubor je jen pro čtení nebo otevřený v jiném programu. Zavřete ho tam, nebo "
                 "zvolte jiný název.";
        break;
    case SaveFailure::FolderNotWritable:
        reason = "Do této složky nelze zapisovat. Vyberte jinou, třeba Dokumenty.";
        break;
    case SaveFailure::Other:
        break;
    }
    return "Pracovní list se nepodařilo uložit do souboru\r\n" + path + "\r\n\r\n" + reason;
}

} // namespace practice
