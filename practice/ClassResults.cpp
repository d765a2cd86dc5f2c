#include "practice/ClassResults.h"

#include "practice/Text.h"
#include "practice/Utf8.h"
#include "practice/Worksheet.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace practice {
namespace {

// One unit of CompareCzech: a blank or punctuation mark, a run of digits or
// a letter ("ch" is one).
struct Unit {
    int rank;           // 0 blank or punctuation, 1 digits, 2 letter
    int primary;        // the mark or the letter's place in the alphabet
    std::string digits; // without leading zeros
    bool accented = false;
    bool upper = false;
};

// Letters in the alphabet's order at twice their ASCII distance, so that č,
// ř, š, ž and ch fit in just after c, r, s, z and h.
int LetterPlace(char plain) {
    return 2 * (plain - 'a');
}

// A small letter without its diacritics: the Czech and Slovak ones as the
// grading takes them, and those of neighbouring languages that pupils' names
// bring (Müller, Łukasz, Ştefan).
char Base(char c) {
    static const char kOthers[][2] = {
        {'\xFC', 'u'}, {'\xF6', 'o'}, {'\xEB', 'e'}, {'\xB3', 'l'}, {'\xE6', 'c'},
        {'\xF1', 'n'}, {'\x9C', 's'}, {'\x9F', 'z'}, {'\xBF', 'z'}, {'\xB9', 'a'},
        {'\xEA', 'e'}, {'\xF5', 'o'}, {'\xFB', 'u'}, {'\xE2', 'a'}, {'\xEE', 'i'},
        {'\xE7', 'c'}, {'\xE3', 'a'}, {'\xBA', 's'}, {'\xFE', 't'}, {'\xF0', 'd'},
    }; // ü ö ë ł ć ń ś ź ż ą ę ő ű â î ç ă ş ţ đ
    for (const auto& pair : kOthers) {
        if (pair[0] == c) {
            return pair[1];
        }
    }
    return Plain(std::string(1, c)).c_str()[0];
}

std::vector<Unit> Units(const std::string& text) {
    const std::string lower = [&] {
        std::string folded;
        for (const char c : text) {
            folded += IsBlank(c) ? ' ' : Folded(std::string(1, c)).at(0);
        }
        return folded;
    }();
    std::vector<Unit> units;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = lower[i];
        if (c >= '0' && c <= '9') {
            std::size_t end = i;
            while (end < text.size() && lower[end] >= '0' && lower[end] <= '9') {
                ++end;
            }
            std::string digits = text.substr(i, end - i);
            digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
            units.push_back({1, 0, digits});
            i = end - 1;
            continue;
        }
        Unit unit{2, 0, "", false, text[i] != c};
        const char plain = Base(c);
        if (c == 'c' && i + 1 < text.size() && lower[i + 1] == 'h') {
            unit.primary = LetterPlace('h') + 1;
            ++i;
        } else if (c == '\xE8' || c == '\xF8' || c == '\x9A' || c == '\x9E') { // č ř š ž
            unit.primary = LetterPlace(plain) + 1;
        } else if (plain >= 'a' && plain <= 'z') {
            unit.primary = LetterPlace(plain);
            unit.accented = plain != c;
        } else if (static_cast<unsigned char>(c) >= 0x80) {
            unit.primary = 100 + static_cast<unsigned char>(c); // other letters after z
        } else {
            unit.rank = 0;
            unit.primary = static_cast<unsigned char>(c);
        }
        units.push_back(unit);
    }
    return units;
}

int Sign(long long value) {
    return value < 0 ? -1 : value > 0 ? 1 : 0;
}

std::string HandedInWord(const ResultRow& row) {
    return row.handedIn ? "ano" : "ne";
}

std::string MinutesText(const ResultRow& row) {
    return row.minutes < 0 ? "" : std::to_string(row.minutes);
}

// Compares two rows by one column only; 0 when equal there.
int CompareBy(const ResultRow& a, const ResultRow& b, Column column) {
    switch (column) {
    case Column::Name:
        return CompareCzech(a.name, b.name);
    case Column::Class:
        return CompareCzech(a.className, b.className);
    case Column::Variant:
        return Sign(a.variant - b.variant);
    case Column::Points:
        return Sign(a.points - b.points);
    case Column::Percent:
        return Sign(static_cast<long long>(a.points) * std::max(b.total, 1) -
                    static_cast<long long>(b.points) * std::max(a.total, 1));
    case Column::Mark:
        return Sign(a.mark - b.mark);
    case Column::Minutes:
        return Sign(a.minutes - b.minutes);
    case Column::HandedIn:
        return Sign(static_cast<int>(a.handedIn) - static_cast<int>(b.handedIn));
    case Column::Attempt:
        return Sign(a.attemptNumber - b.attemptNumber);
    }
    return 0;
}

std::string CsvField(const std::string& text) {
    std::string field = text;
    // A text that Excel would take for a formula stays a text.
    if (!field.empty() && std::string_view("=+-@").find(field[0]) != std::string_view::npos) {
        field.insert(0, "'");
    }
    if (field.find_first_of(";\"\r\n") == std::string::npos) {
        return field;
    }
    std::string quoted = "\"";
    for (const char c : field) {
        quoted += c == '"' ? "\"\"" : std::string(1, c);
    }
    return quoted + "\"";
}

// The table's columns on the page: heading and right edge in twips.
struct TableColumn {
    const char* heading;
    int right;
};
constexpr TableColumn kTable[] = {
    {"Jméno", 2500},  {"Třída", 3300},     {"Varianta", 4300},  {"Body", 5200},   {"%", 5900},
    {"Známka", 7200}, {"Čas (min)", 8250}, {"Odevzdáno", 9500}, {"Pokus", 10200},
};
// Headings below the table, with room above them.
constexpr SheetStyle kHeadingStyle = {28, 360, 60, true, true};
constexpr SheetStyle kVariantStyle = {22, 160, 40, false, true};

std::string TableRow(const std::vector<std::string>& cells, bool heading) {
    std::string rtf = "\\trowd\\trgaph60\\trleft0" + std::string(heading ? "\\trhdr" : "");
    for (const TableColumn& column : kTable) {
        rtf += "\\clbrdrb\\brdrs\\brdrw" + std::string(heading ? "15" : "5") + "\\cellx" +
               std::to_string(column.right);
    }
    rtf += "\n\\pard\\plain\\intbl\\sb30\\sa30\\f0\\fs20" + std::string(heading ? "\\b " : " ");
    for (const std::string& cell : cells) {
        rtf += cell + "\\cell ";
    }
    return rtf + "\\row\n";
}

std::string Paragraph(const SheetStyle& style, const std::string& rtf,
                      const std::vector<int>& tabs = {}) {
    return ParagraphStart(style, tabs) + rtf + "\\par\n";
}

// "1 otázka", "3 otázky", "10 otázek".
std::string Counted(std::size_t count, const char* one, const char* few, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : count >= 2 && count <= 4 ? few : many);
}

std::string ShownRtf(const Question& question) {
    return question.ask == Ask::Name ? RtfFormula(question.compound.formula)
                                     : RtfText(question.compound.Name());
}

std::string ExpectedRtf(const Question& question) {
    return question.ask == Ask::Name ? RtfText(question.compound.Name())
                                     : RtfFormula(question.compound.formula);
}

} // namespace

int CompareCzech(const std::string& a, const std::string& b) {
    const std::vector<Unit> x = Units(a);
    const std::vector<Unit> y = Units(b);
    const auto primary = [](const Unit& u) { return std::make_tuple(u.rank, u.primary); };
    for (std::size_t i = 0; i < x.size() && i < y.size(); ++i) {
        if (primary(x[i]) != primary(y[i])) {
            return primary(x[i]) < primary(y[i]) ? -1 : 1;
        }
        if (x[i].digits.size() != y[i].digits.size()) {
            return x[i].digits.size() < y[i].digits.size() ? -1 : 1;
        }
        if (const int digits = x[i].digits.compare(y[i].digits); digits != 0) {
            return Sign(digits);
        }
    }
    if (x.size() != y.size()) {
        return x.size() < y.size() ? -1 : 1;
    }
    for (std::size_t i = 0; i < x.size(); ++i) {
        if (x[i].accented != y[i].accented) {
            return x[i].accented ? 1 : -1;
        }
    }
    for (std::size_t i = 0; i < x.size(); ++i) {
        if (x[i].upper != y[i].upper) {
            return x[i].upper ? 1 : -1;
        }
    }
    return Sign(a.compare(b));
}

ClassOverview ReadClassResults(const ClassTest& test, const std::vector<FolderFile>& files) {
    ClassOverview overview;
    std::vector<Attempt> attempts;
    for (const FolderFile& file : files) {
        AttemptReading reading = ReadAttemptFile(file.bytes);
        if (reading.fault.empty()) {
            reading.fault = AttemptMismatch(reading.attempt, test);
        }
        if (!reading.fault.empty()) {
            overview.unreadable.push_back({file.name, reading.fault});
            continue;
        }
        const Attempt& attempt = reading.attempt;
        ResultRow row;
        row.file = file.name;
        row.name = attempt.pupil.name;
        row.className = attempt.pupil.className;
        row.variant = attempt.variant;
        row.points = Points(attempt);
        row.total = static_cast<int>(attempt.answers.size());
        row.mark = MarkOf(row.points, row.total, test.scale);
        row.handedIn = attempt.handedIn;
        if (attempt.handedIn) {
            const long long seconds = SecondsBetween(attempt.start, attempt.handIn);
            row.minutes = static_cast<int>(std::max(0LL, (seconds + 30) / 60));
        }
        row.start = attempt.start;
        overview.rows.push_back(row);
        attempts.push_back(attempt);
    }
    std::stable_sort(overview.rows.begin(), overview.rows.end(),
                     [](const ResultRow& a, const ResultRow& b) {
                         return std::tie(a.start, a.file) < std::tie(b.start, b.file);
                     });
    std::map<std::string, int> taken; // attempts so far by folded name and class
    for (ResultRow& row : overview.rows) {
        row.attemptNumber = ++taken[Folded(row.name) + "\t" + Folded(row.className)];
    }
    for (std::size_t v = 0; v < test.variants.size(); ++v) {
        std::vector<QuestionStat> stats;
        for (const Question& question : test.variants[v]) {
            stats.push_back({question, 0, 0});
        }
        for (const Attempt& attempt : attempts) {
            if (attempt.variant != static_cast<int>(v)) {
                continue;
            }
            for (std::size_t i = 0; i < stats.size(); ++i) {
                const AnswerRecord& record = attempt.answers[i];
                if (attempt.handedIn || !record.answer.empty()) {
                    ++stats[i].attempts;
                    stats[i].wrong += record.right ? 0 : 1;
                }
            }
        }
        std::stable_sort(
            stats.begin(), stats.end(),
            [](const QuestionStat& a, const QuestionStat& b) { return a.wrong > b.wrong; });
        overview.questions.push_back(std::move(stats));
    }
    return overview;
}

void SortRows(std::vector<ResultRow>& rows, Column column, bool ascending) {
    std::stable_sort(rows.begin(), rows.end(), [&](const ResultRow& a, const ResultRow& b) {
        if (column == Column::Minutes && (a.minutes < 0) != (b.minutes < 0)) {
            return b.minutes < 0; // open attempts last either way
        }
        if (const int order = CompareBy(a, b, column); order != 0) {
            return ascending ? order < 0 : order > 0;
        }
        for (const Column tie : {Column::Name, Column::Class, Column::Attempt}) {
            if (const int order = CompareBy(a, b, tie); order != 0) {
                return order < 0;
            }
        }
        return false;
    });
}

std::string ResultsCsv(const std::vector<ResultRow>& rows) {
    std::string csv =
        "Jméno;Třída;Varianta;Body;Otázek;Procenta;Známka;Čas (min);Odevzdáno;Pokus\r\n";
    for (const ResultRow& row : rows) {
        const std::vector<std::string> fields = {
            CsvField(row.name),        CsvField(row.className),
            VariantName(row.variant),  std::to_string(row.points),
            std::to_string(row.total), PercentText(row.points, row.total),
            std::to_string(row.mark),  MinutesText(row),
            HandedInWord(row),         std::to_string(row.attemptNumber)};
        for (std::size_t i = 0; i < fields.size(); ++i) {
            csv += (i == 0 ? "" : ";") + fields[i];
        }
        csv += "\r\n";
    }
    return std::string(kUtf8Bom) + Utf8FromCp1250(csv);
}

std::string ResultsRtf(const ClassTest& test, const ClassOverview& overview) {
    std::string rtf = RtfStart();
    rtf += Paragraph(kTitleStyle, RtfText("Výsledky testu: " + test.title));
    const int handedIn = static_cast<int>(std::count_if(
        overview.rows.begin(), overview.rows.end(), [](const ResultRow& r) { return r.handedIn; }));
    const std::size_t count = test.variants.empty() ? 0 : test.variants.front().size();
    const std::size_t variants = test.variants.size();
    const std::string questions = Counted(count, "otázka", "otázky", "otázek");
    const std::string about =
        (variants == 1 ? "Jedna varianta, " + questions
                       : std::to_string(variants) + " varianty, v každé " + questions) +
        ". Známka 1 od " + std::to_string(test.scale.lowest[0]) + " %, 2 od " +
        std::to_string(test.scale.lowest[1]) + " %, 3 od " + std::to_string(test.scale.lowest[2]) +
        " %, 4 od " + std::to_string(test.scale.lowest[3]) + " %. Odevzdáno " +
        std::to_string(handedIn) + " z " +
        Counted(overview.rows.size(), "pokusu", "pokusů", "pokusů") + ".";
    rtf += Paragraph(kSubtitleStyle, RtfText(about));
    std::vector<std::string> headings;
    for (const TableColumn& column : kTable) {
        headings.push_back(RtfText(column.heading));
    }
    rtf += TableRow(headings, true);
    for (const ResultRow& row : overview.rows) {
        rtf +=
            TableRow({RtfText(row.name), RtfText(row.className), VariantName(row.variant),
                      std::to_string(row.points) + " z " + std::to_string(row.total),
                      RtfText(PercentText(row.points, row.total)),
                      std::to_string(row.mark) + " " + RtfText(MarkWord(row.mark)),
                      MinutesText(row), HandedInWord(row), std::to_string(row.attemptNumber) + "."},
                     false);
    }
    rtf += Paragraph(kHeadingStyle, RtfText("Chyby v otázkách"));
    const std::vector<int> tabs = {1134, 4253};
    for (std::size_t v = 0; v < overview.questions.size(); ++v) {
        if (overview.questions.size() > 1) {
            rtf +=
                Paragraph(kVariantStyle, RtfText("Varianta " + VariantName(static_cast<int>(v))));
        }
        rtf += Paragraph(kKeyStyle,
                         "\\i " + RtfText("Špatně") + "\\tab " + RtfText("Zadání") + "\\tab " +
                             RtfText("Správně") + "\\i0 ",
                         tabs);
        for (const QuestionStat& stat : overview.questions[v]) {
            rtf += Paragraph(kKeyStyle,
                             std::to_string(stat.wrong) + " z " + std::to_string(stat.attempts) +
                                 "\\tab " + ShownRtf(stat.question) + "\\tab " +
                                 ExpectedRtf(stat.question),
                             tabs);
        }
    }
    if (!overview.unreadable.empty()) {
        rtf += Paragraph(kHeadingStyle, RtfText("Soubory, které nešlo přečíst"));
        for (const UnreadableFile& file : overview.unreadable) {
            rtf += Paragraph(kKeyStyle,
                             "\\b " + RtfText(file.file) + "\\b0 : " + RtfText(file.reason));
        }
    }
    return rtf + "}\n";
}

} // namespace practice
