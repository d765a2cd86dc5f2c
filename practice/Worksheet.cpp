#include "practice/Worksheet.h"

#include "practice/Selection.h"
#include "practice/Subscripts.h"
#include "practice/Text.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string_view>

namespace practice {
namespace {

const char* const kHeader = "{\\rtf1\\ansi\\ansicpg1250\\deff0\\deflang1029\n"
                            "{\\fonttbl{\\f0\\froman\\fcharset238 Times New Roman;}"
                            "{\\f1\\fswiss\\fcharset238 Arial;}}\n";

// Where the text of a question or key line starts: its number, what is
// shown, the answer (or the line for it).
constexpr int kNumberTab = 567;
constexpr int kAnswerTab = 5103; // 9 cm: room for a complex's name

// One paragraph of the sheet: its style, its RTF and the plain text whose
// length estimates its width.
struct Paragraph {
    const SheetStyle* style;
    std::string rtf;
    std::string plain;   // what stands on the line, tabs included
    bool tabbed = false; // number, shown text and answer in their columns
};

// A formula whose trivial name is asked says so, among the other questions.
const char* const kTrivialAsked = " (triviální název)";

bool TrivialAsked(const Question& question) {
    return question.ask == Ask::Name && question.compound.kind == Kind::Trivial;
}

std::string ShownText(const Question& question) {
    return question.ask == Ask::Name
               ? question.compound.formula + (TrivialAsked(question) ? kTrivialAsked : "")
               : question.compound.Name();
}

std::string Shown(const Question& question) {
    return question.ask == Ask::Name ? RtfFormula(question.compound.formula) +
                                           (TrivialAsked(question) ? RtfText(kTrivialAsked) : "")
                                     : RtfText(question.compound.Name());
}

// What the key accepts: the answer shown first, then in brackets what also
// counts as right, so that marking by hand accepts what the program accepts.
std::vector<std::string> KeyAnswers(const Question& question) {
    const Compound& compound = question.compound;
    if (question.ask == Ask::Name) {
        return AcceptedNames(compound);
    }
    std::vector<std::string> formulas = {compound.formula};
    formulas.insert(formulas.end(), compound.molecular.begin(), compound.molecular.end());
    return formulas;
}

std::string Joined(const std::vector<std::string>& answers, bool rtf, bool formulas) {
    std::string text;
    for (std::size_t i = 0; i < answers.size(); ++i) {
        text += i == 0 ? "" : i == 1 ? " (" : ", ";
        text += !rtf ? answers[i] : formulas ? RtfFormula(answers[i]) : RtfText(answers[i]);
    }
    return text + (answers.size() > 1 ? ")" : "");
}

std::string Task(const std::vector<Question>& questions) {
    bool names = false;
    bool formulas = false;
    bool mixed = false;
    for (const Question& question : questions) {
        (question.ask == Ask::Name ? names : formulas) = true;
        mixed = mixed || question.compound.kind != questions.front().compound.kind;
    }
    if (!questions.empty() && !mixed && questions.front().compound.kind == Kind::Trivial) {
        return names && formulas ? "Ke vzorcům napiš triviální názvy, k názvům vzorce."
               : names           ? "Napiš triviální názvy."
                                 : "Napiš vzorce látek.";
    }
    const std::string what = questions.empty() ? "oxidů"
                             : mixed           ? "sloučenin"
                                               : KindPlural(questions.front().compound.kind);
    if (names && formulas) {
        return "Ke vzorcům napiš názvy " + what + ", k názvům jejich vzorce.";
    }
    return (formulas ? "Napiš vzorce " : "Napiš názvy ") + what + ".";
}

Paragraph Plain(const SheetStyle& style, const std::string& text) {
    return {&style, RtfText(text), text};
}

// The numbered lines of the questions or of the key.
std::vector<Paragraph> Numbered(const std::vector<Question>& questions, bool key) {
    const std::string line(36, '_');
    std::vector<Paragraph> lines;
    for (std::size_t i = 0; i < questions.size(); ++i) {
        const Question& question = questions[i];
        const std::string number = std::to_string(i + 1) + ".\\tab ";
        const bool formulas = question.ask == Ask::Formula;
        const std::vector<std::string> answers = KeyAnswers(question);
        const std::string rtf =
            number + Shown(question) + "\\tab " + (key ? Joined(answers, true, formulas) : line);
        const std::string plain = std::to_string(i + 1) + ".\t" + ShownText(question) + "\t" +
                                  (key ? Joined(answers, false, formulas) : line);
        lines.push_back({key ? &kKeyStyle : &kQuestionStyle, rtf, plain, true});
    }
    return lines;
}

// The questions' page, then the key's.
std::vector<std::vector<Paragraph>> Pages(const std::vector<Question>& questions,
                                          const std::string& heading) {
    const std::string blank(14, '_');
    std::vector<Paragraph> sheet = {
        Plain(kTitleStyle, heading.empty() ? "Pracovní list: názvosloví" : heading),
        Plain(kSubtitleStyle, Capitalised(CoverageText(questions)) + "."),
        Plain(kLineStyle, "Jméno a příjmení: " + blank + blank + "   Třída: " + blank.substr(0, 8) +
                              "   Datum: " + blank.substr(0, 10)),
        {&kLineStyle, "\\b " + RtfText(Task(questions)) + "\\b0 ", Task(questions)},
    };
    const auto asked = Numbered(questions, false);
    sheet.insert(sheet.end(), asked.begin(), asked.end());
    std::vector<Paragraph> key = {
        Plain(kTitleStyle, heading.empty() ? "Řešení" : "Řešení: " + heading)};
    const auto answered = Numbered(questions, true);
    key.insert(key.end(), answered.begin(), answered.end());
    return {sheet, key};
}

// Lines a text takes at a style across a width, from an average letter of
// half an em (Times New Roman's average is less).
int LinesOf(const std::string& text, const SheetStyle& style, int width) {
    const int letter = style.halfPoints * 5; // half an em, in twips
    const int needed = static_cast<int>(text.size()) * letter;
    return std::max(1, (needed + width - 1) / width);
}

int HeightOf(const Paragraph& paragraph) {
    const SheetStyle& style = *paragraph.style;
    const int width = kA4Width - 2 * kMargin;
    int lines = LinesOf(paragraph.plain, style, width);
    if (paragraph.tabbed) {
        // The shown text in its column; when it overflows, the answer goes on below.
        const std::size_t first = paragraph.plain.find('\t');
        const std::size_t second = paragraph.plain.find('\t', first + 1);
        const int shown = LinesOf(paragraph.plain.substr(first + 1, second - first - 1), style,
                                  kAnswerTab - kNumberTab);
        const int answer = LinesOf(paragraph.plain.substr(second + 1), style, width - kAnswerTab);
        lines = shown == 1 ? answer : shown + answer;
    }
    // A line is 1.2 times the font size: half-points times 12 twips.
    return style.before + lines * style.halfPoints * 12 + style.after;
}

} // namespace

std::string RtfStart() {
    return kHeader +
           ("\\paperw" + std::to_string(kA4Width) + "\\paperh" + std::to_string(kA4Height) +
            "\\margl" + std::to_string(kMargin) + "\\margr" + std::to_string(kMargin) + "\\margt" +
            std::to_string(kMargin) + "\\margb" + std::to_string(kMargin) + "\n");
}

std::string ParagraphStart(const SheetStyle& style, const std::vector<int>& tabs) {
    std::string rtf =
        "\\pard\\plain\\sb" + std::to_string(style.before) + "\\sa" + std::to_string(style.after);
    for (const int tab : tabs) {
        rtf += "\\tx" + std::to_string(tab);
    }
    return rtf + (style.sans ? "\\f1" : "\\f0") + "\\fs" + std::to_string(style.halfPoints) +
           (style.bold ? "\\b " : " ");
}

std::string RtfFormula(const std::string& formula) {
    std::vector<bool> lowered(formula.size());
    for (const Span& span : SubscriptSpans(formula)) {
        std::fill_n(lowered.begin() + span.start, span.length, true);
    }
    std::string rtf;
    for (std::size_t i = 0; i < formula.size(); ++i) {
        const char c = formula[i];
        if (lowered[i]) {
            rtf += std::string("{\\sub ") + c + "}";
        } else {
            rtf += RtfText(std::string(1, c));
        }
    }
    return rtf;
}

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

std::string WorksheetRtf(const std::vector<Question>& questions, const std::string& heading) {
    std::string rtf = RtfStart();
    const auto pages = Pages(questions, heading);
    for (std::size_t page = 0; page < pages.size(); ++page) {
        rtf += page == 0 ? "" : "\\page\n";
        for (const Paragraph& paragraph : pages[page]) {
            const std::vector<int> tabs =
                paragraph.tabbed ? std::vector<int>{kNumberTab, kAnswerTab} : std::vector<int>{};
            rtf += ParagraphStart(*paragraph.style, tabs) + paragraph.rtf + "\\par\n";
        }
    }
    return rtf + "}\n";
}

std::vector<int> WorksheetHeights(const std::vector<Question>& questions,
                                  const std::string& heading) {
    std::vector<int> heights;
    for (const auto& page : Pages(questions, heading)) {
        int height = 0;
        for (const Paragraph& paragraph : page) {
            height += HeightOf(paragraph);
        }
        heights.push_back(height);
    }
    return heights;
}

std::string WorksheetFileName(const std::vector<Question>& questions, int year, int month,
                              int day) {
    std::vector<std::string> kinds;
    for (const Kind kind : Kinds()) {
        const bool asked =
            std::any_of(questions.begin(), questions.end(),
                        [kind](const Question& q) { return q.compound.kind == kind; });
        const std::string word = kind == Kind::BinaryAcid || kind == Kind::Oxoacid ? "kyseliny"
                                 : kind == Kind::Salt                              ? "soli"
                                                      : KindTitle(kind);
        if (asked && std::find(kinds.begin(), kinds.end(), word) == kinds.end()) {
            kinds.push_back(word);
        }
    }
    std::string name = "list";
    if (kinds.size() > 3) {
        name += " sloučeniny";
    } else {
        for (std::size_t i = 0; i < kinds.size(); ++i) {
            name += (i == 0 ? " " : i + 1 == kinds.size() ? " a " : ", ") + kinds[i];
        }
    }
    char date[16];
    std::snprintf(date, sizeof date, " %04d-%02d-%02d", year % 10000, month % 100, day % 100);
    name += date;
    // Windows refuses these in a file name.
    name.erase(std::remove_if(name.begin(), name.end(),
                              [](char c) {
                                  return std::string_view("<>:\"/\\|?*").find(c) !=
                                             std::string_view::npos ||
                                         static_cast<unsigned char>(c) < 0x20;
                              }),
               name.end());
    return name + ".rtf";
}

std::string WithRtfExtension(const std::string& path) {
    return WithExtension(path, ".rtf");
}

std::string SaveFailedText(const std::string& path, SaveFailure failure, const std::string& what) {
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
    return what + " se nepodařilo uložit do souboru\r\n" + path + "\r\n\r\n" + reason;
}

} // namespace practice
