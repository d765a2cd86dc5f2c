#include "practice/AttemptFile.h"

#include "practice/FileLines.h"
#include "practice/Text.h"

#include <algorithm>
#include <cstdio>
#include <tuple>

namespace practice {
namespace {

constexpr std::size_t kMaxNameLength = 60;

auto Fields(const Moment& m) {
    return std::make_tuple(m.year, m.month, m.day, m.hour, m.minute, m.second);
}

bool LeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysIn(int year, int month) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && LeapYear(year) ? 29 : kDays[month - 1];
}

// Days since 1 March of year 0 in the proleptic Gregorian calendar.
long long DayNumber(int year, int month, int day) {
    const long long y = month <= 2 ? year - 1 : year;
    const long long shifted = (month + 9) % 12; // March is 0
    return 365 * y + y / 4 - y / 100 + y / 400 + (153 * shifted + 2) / 5 + day - 1;
}

bool IsRight(Grade grade) {
    return grade != Grade::Empty && grade != Grade::Wrong;
}

std::string AskWord(Ask ask) {
    return ask == Ask::Name ? "název" : "vzorec";
}

Attempt ReadAttempt(std::string_view bytes) {
    LinesReader in(bytes, "výsledek", "výsledek testu", kAttemptFileVersion);
    Attempt attempt;
    attempt.testId = in.Take("test", 1)[0];
    attempt.title = in.Take("název", 1)[0];
    attempt.pupil.name = in.Take("žák", 1)[0];
    if (Folded(attempt.pupil.name).empty()) {
        in.Fail("chybí jméno žáka");
    }
    attempt.pupil.className = in.Take("třída", 1)[0];
    if (Folded(attempt.pupil.className).empty()) {
        in.Fail("chybí třída");
    }
    attempt.pupil.user = in.Take("uživatel", 1)[0];
    attempt.pupil.computer = in.Take("počítač", 1)[0];
    const std::string variant = in.Take("varianta", 1)[0];
    if (variant.size() != 1 || variant[0] < 'A' || variant[0] >= 'A' + kMaxVariants) {
        in.Fail("varianta má být A, B, C nebo D, ne „" + variant + "“");
    }
    attempt.variant = variant[0] - 'A';
    const std::string start = in.Take("začátek", 1)[0];
    if (!ReadMoment(start, attempt.start)) {
        in.Fail("začátek „" + start + "“ není datum a čas ve tvaru 2026-03-12 08:05:10");
    }
    const std::string handIn = in.Take("odevzdáno", 1)[0];
    attempt.handedIn = handIn != "ne";
    if (attempt.handedIn && !ReadMoment(handIn, attempt.handIn)) {
        in.Fail("odevzdání „" + handIn +
                "“ není datum a čas ve tvaru 2026-03-12 08:05:10 ani „ne“");
    }
    while (in.NextKey() == "otázka") {
        const std::vector<std::string> fields = in.Take("otázka", 5);
        const std::optional<Kind> kind = KindOf(fields[0]);
        if (!kind) {
            in.Fail("neznámý druh sloučeniny „" + fields[0] + "“");
        }
        if (fields[1].empty() || fields[1].find(' ') != std::string::npos) {
            in.Fail("vzorec je prázdný nebo obsahuje mezeru");
        }
        if (fields[2] != "název" && fields[2] != "vzorec") {
            in.Fail("otázka se má ptát na název nebo vzorec, ne na „" + fields[2] + "“");
        }
        if (fields[4] != "ano" && fields[4] != "ne") {
            in.Fail("za odpovědí má stát ano nebo ne, ne „" + fields[4] + "“");
        }
        if (fields[3].size() > kMaxAnswer) {
            in.Fail("odpověď je delší než 200 znaků");
        }
        if (attempt.answers.size() == static_cast<std::size_t>(kMaxTestQuestions)) {
            in.Fail("test může mít nejvýš 200 otázek");
        }
        attempt.answers.push_back({*kind, fields[1],
                                   fields[2] == "název" ? Ask::Name : Ask::Formula, fields[3],
                                   fields[4] == "ano"});
    }
    const std::vector<std::string> points = in.Take("body", 2);
    const int total = static_cast<int>(attempt.answers.size());
    if (in.Number(points[1], 0, kMaxTestQuestions, "počet otázek") != total) {
        in.Fail("počet otázek nesouhlasí s otázkami výše");
    }
    if (in.Number(points[0], 0, total, "počet bodů") != Points(attempt)) {
        in.Fail("body nesouhlasí se správnými odpověďmi výše");
    }
    const std::string percent = in.Take("procenta", 1)[0];
    if (percent != PercentText(Points(attempt), total)) {
        in.Fail("procenta „" + percent + "“ nesouhlasí s body");
    }
    const std::vector<std::string> mark = in.Take("známka", 2);
    attempt.mark = in.Number(mark[0], 1, 5, "známka");
    if (mark[1] != MarkWord(attempt.mark)) {
        in.Fail("známka " + mark[0] + " se slovy píše „" + MarkWord(attempt.mark) + "“");
    }
    attempt.version = in.Take("verze", 1)[0];
    in.End();
    return attempt;
}

} // namespace

bool Moment::operator==(const Moment& other) const {
    return Fields(*this) == Fields(other);
}

bool Moment::operator<(const Moment& other) const {
    return Fields(*this) < Fields(other);
}

std::string MomentText(const Moment& m) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", m.year % 10000, m.month % 100,
                  m.day % 100, m.hour % 100, m.minute % 100, m.second % 100);
    return text;
}

bool ReadMoment(const std::string& text, Moment& moment) {
    const std::string shape = "dddd-dd-dd dd:dd:dd";
    if (text.size() != shape.size()) {
        return false;
    }
    for (std::size_t i = 0; i < shape.size(); ++i) {
        if (shape[i] == 'd' ? text[i] < '0' || text[i] > '9' : text[i] != shape[i]) {
            return false;
        }
    }
    const auto number = [&](std::size_t at, std::size_t length) {
        return std::stoi(text.substr(at, length));
    };
    const Moment read = {number(0, 4),  number(5, 2),  number(8, 2),
                         number(11, 2), number(14, 2), number(17, 2)};
    if (read.year < 1 || read.month < 1 || read.month > 12 || read.day < 1 ||
        read.day > DaysIn(read.year, read.month) || read.hour > 23 || read.minute > 59 ||
        read.second > 59) {
        return false;
    }
    moment = read;
    return true;
}

long long SecondsBetween(const Moment& from, const Moment& to) {
    const auto seconds = [](const Moment& m) {
        return DayNumber(m.year, m.month, m.day) * 86400 + m.hour * 3600 + m.minute * 60 + m.second;
    };
    return seconds(to) - seconds(from);
}

std::string PupilFault(const Pupil& pupil) {
    if (Folded(pupil.name).empty()) {
        return "Napiš své jméno a příjmení.";
    }
    if (Folded(pupil.className).empty()) {
        return "Napiš svou třídu, třeba 8.A.";
    }
    return "";
}

Attempt StartAttempt(const ClassTest& test, int variant, const Pupil& pupil, const Moment& start,
                     const std::string& version) {
    Attempt attempt;
    attempt.testId = test.id;
    attempt.title = test.title;
    attempt.pupil = pupil;
    attempt.variant = variant;
    attempt.start = start;
    attempt.version = version;
    for (const Question& question : test.variants.at(variant)) {
        attempt.answers.push_back(
            {question.compound.kind, question.compound.formula, question.ask, "", false});
    }
    attempt.mark = MarkOf(0, static_cast<int>(attempt.answers.size()), test.scale);
    return attempt;
}

void RecordAnswer(Attempt& attempt, const ClassTest& test, std::size_t index,
                  const std::string& answer) {
    const Question& question = test.variants.at(attempt.variant).at(index);
    AnswerRecord& record = attempt.answers.at(index);
    record.answer = Folded(answer).empty() ? "" : answer.substr(0, kMaxAnswer);
    record.right = IsRight(Assess(question, record.answer).grade);
    attempt.mark = MarkOf(Points(attempt), static_cast<int>(attempt.answers.size()), test.scale);
}

void HandIn(Attempt& attempt, const Moment& at) {
    attempt.handedIn = true;
    attempt.handIn = at;
}

int Points(const Attempt& attempt) {
    return static_cast<int>(std::count_if(attempt.answers.begin(), attempt.answers.end(),
                                          [](const AnswerRecord& a) { return a.right; }));
}

int Unanswered(const Attempt& attempt) {
    return static_cast<int>(std::count_if(attempt.answers.begin(), attempt.answers.end(),
                                          [](const AnswerRecord& a) { return a.answer.empty(); }));
}

long long SecondsLeft(const Attempt& attempt, const ClassTest& test, const Moment& now) {
    if (test.minutes <= 0) {
        return -1;
    }
    return std::max(0LL, test.minutes * 60LL - SecondsBetween(attempt.start, now));
}

bool Continues(const Attempt& attempt, const ClassTest& test, const Pupil& pupil) {
    return attempt.testId == test.id && !attempt.handedIn &&
           Folded(attempt.pupil.name) == Folded(pupil.name) &&
           Folded(attempt.pupil.className) == Folded(pupil.className) &&
           Folded(attempt.pupil.computer) == Folded(pupil.computer);
}

std::string AttemptFileText(const Attempt& attempt) {
    LinesWriter out("výsledek", kAttemptFileVersion);
    out.Line("test", {attempt.testId});
    out.Line("název", {attempt.title});
    out.Line("žák", {attempt.pupil.name});
    out.Line("třída", {attempt.pupil.className});
    out.Line("uživatel", {attempt.pupil.user});
    out.Line("počítač", {attempt.pupil.computer});
    out.Line("varianta", {VariantName(attempt.variant)});
    out.Line("začátek", {MomentText(attempt.start)});
    out.Line("odevzdáno", {attempt.handedIn ? MomentText(attempt.handIn) : "ne"});
    for (const AnswerRecord& record : attempt.answers) {
        out.Line("otázka", {KindKey(record.kind), record.formula, AskWord(record.ask),
                            record.answer, record.right ? "ano" : "ne"});
    }
    const int points = Points(attempt);
    const int total = static_cast<int>(attempt.answers.size());
    out.Line("body", {std::to_string(points), std::to_string(total)});
    out.Line("procenta", {PercentText(points, total)});
    out.Line("známka", {std::to_string(attempt.mark), MarkWord(attempt.mark)});
    out.Line("verze", {attempt.version});
    return out.Text();
}

AttemptReading ReadAttemptFile(std::string_view bytes) {
    try {
        return {ReadAttempt(bytes), ""};
    } catch (const FileFault& fault) {
        return {Attempt{}, fault.text};
    }
}

std::string AttemptMismatch(const Attempt& attempt, const ClassTest& test) {
    if (attempt.testId != test.id) {
        return "Výsledek patří k jinému testu („" + attempt.title + "“).";
    }
    if (attempt.variant >= static_cast<int>(test.variants.size())) {
        return "Test nemá variantu " + VariantName(attempt.variant) + ".";
    }
    const std::vector<Question>& questions = test.variants[attempt.variant];
    bool same = questions.size() == attempt.answers.size();
    for (std::size_t i = 0; same && i < questions.size(); ++i) {
        const AnswerRecord& record = attempt.answers[i];
        same = record.kind == questions[i].compound.kind &&
               record.formula == questions[i].compound.formula && record.ask == questions[i].ask;
    }
    return same ? ""
                : "Otázky výsledku neodpovídají variantě " + VariantName(attempt.variant) +
                      " tohoto testu.";
}

std::string ResultFileName(const Pupil& pupil) {
    std::string name;
    for (const char c : pupil.name + " " + pupil.className) {
        const bool refused = static_cast<unsigned char>(c) < 0x20 || c == 0x7F ||
                             std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos;
        if (refused) {
            continue;
        }
        if (IsBlank(c)) {
            if (!name.empty() && name.back() != ' ') {
                name += ' ';
            }
        } else {
            name += c;
        }
    }
    const auto trim = [](std::string& text) {
        const std::size_t first = text.find_first_not_of(". ");
        const std::size_t last = text.find_last_not_of(". ");
        text = first == std::string::npos ? "" : text.substr(first, last - first + 1);
    };
    trim(name);
    if (name.size() > kMaxNameLength) {
        name.resize(kMaxNameLength);
        trim(name);
    }
    if (name.empty()) {
        name = "žák";
    }
    // Windows takes these for devices whatever follows the first dot.
    const std::size_t dot = name.find('.');
    std::string device = UpperAscii(name.substr(0, dot));
    device.erase(device.find_last_not_of(' ') + 1);
    const bool numbered = device.size() == 4 && device[3] >= '1' && device[3] <= '9' &&
                          (device.compare(0, 3, "COM") == 0 || device.compare(0, 3, "LPT") == 0);
    if (numbered || device == "CON" || device == "PRN" || device == "AUX" || device == "NUL") {
        name.insert(dot == std::string::npos ? name.size() : dot, "_");
    }
    return name + ".txt";
}

std::string NumberedFileName(const std::string& fileName, int n) {
    if (n <= 1) {
        return fileName;
    }
    const std::size_t dot = fileName.rfind('.');
    const std::size_t end = dot == std::string::npos ? fileName.size() : dot;
    return fileName.substr(0, end) + " (" + std::to_string(n) + ")" + fileName.substr(end);
}

} // namespace practice
