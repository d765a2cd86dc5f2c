#include "practice/FormulaReader.h"

namespace practice {
namespace {

// Every element symbol, each followed by a blank.
constexpr std::string_view kSymbols =
    "H He Li Be B C N O F Ne Na Mg Al Si P S Cl Ar K Ca Sc Ti V Cr Mn Fe Co Ni Cu Zn Ga Ge As "
    "Se Br Kr Rb Sr Y Zr Nb Mo Tc Ru Rh Pd Ag Cd In Sn Sb Te I Xe Cs Ba La Ce Pr Nd Pm Sm Eu Gd "
    "Tb Dy Ho Er Tm Yb Lu Hf Ta W Re Os Ir Pt Au Hg Tl Pb Bi Po At Rn Fr Ra Ac Th Pa U Np Pu Am "
    "Cm Bk Cf Es Fm Md No Lr Rf Db Sg Bh Hs Mt Ds Rg Cn Nh Fl Mc Lv Ts Og ";

bool IsElement(std::string_view symbol) {
    for (std::size_t at = 0; at < kSymbols.size(); at = kSymbols.find(' ', at) + 1) {
        if (kSymbols.compare(at, symbol.size() + 1, std::string(symbol) + ' ') == 0) {
            return true;
        }
    }
    return false;
}

bool IsUpper(char c) {
    return c >= 'A' && c <= 'Z';
}
bool IsLower(char c) {
    return c >= 'a' && c <= 'z';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

class Reader {
  public:
    explicit Reader(std::string_view text) : text_(text) {}

    FormulaReading Read() {
        Formula formula;
        while (error_.empty() && !AtEnd()) {
            if (IsDot(Peek())) {
                ReadWater(formula);
                break;
            }
            Group group{{}, 1, false};
            if (Peek() == '[') {
                ReadBrackets(group);
            } else if (Peek() == ']') {
                Fail("Zavírací hranatá závorka nemá otevírací.");
            } else {
                ReadGroup(group);
            }
            formula.groups.push_back(std::move(group));
        }
        if (!error_.empty()) {
            return {std::nullopt, error_};
        }
        return {std::move(formula), ""};
    }

  private:
    static bool IsDot(char c) { return c == kHydrateDot || c == '*' || c == '.'; }

    // The dot and what follows it to the end: a count or none, then H2O.
    void ReadWater(Formula& formula) {
        if (formula.groups.empty()) {
            Fail("Vzorec nezačíná tečkou: tečka odděluje vodu hydrátu, CuSO4·5H2O.");
            return;
        }
        ++at_;
        const std::size_t start = at_;
        formula.waters = AtEnd() || !IsDigit(Peek()) ? 1 : ReadCount(false);
        if (error_.empty() && text_.substr(at_) != "H2O") {
            Fail(text_.substr(start).empty()
                     ? "Za tečkou chybí voda: CuSO4·5H2O."
                     : "Za tečkou smí stát jen počet molekul vody a H2O: CuSO4·5H2O.");
        }
        at_ = text_.size();
    }

    bool AtEnd() const { return at_ >= text_.size(); }
    char Peek() const { return text_[at_]; }
    void Fail(const std::string& message) {
        if (error_.empty()) {
            error_ = message;
        }
    }

    // A symbol with its count or a parenthesis, outside brackets or in them.
    void ReadGroup(Group& group) {
        if (Peek() == '(') {
            ReadParenthesis(group);
        } else if (Peek() == ')') {
            Fail("Zavírací závorka nemá otevírací.");
        } else {
            group.atoms.push_back(ReadAtom());
        }
    }

    // A complex: the central atom and its ligands, symbols and parentheses,
    // then the count, which may be left out.
    void ReadBrackets(Group& group) {
        ++at_;
        group.bracketed = true;
        while (error_.empty() && !AtEnd() && Peek() != ']') {
            if (Peek() == '[') {
                Fail("Hranaté závorky se do sebe nevnořují.");
                return;
            }
            Group inner{{}, 1, false};
            ReadGroup(inner);
            group.inside.push_back(std::move(inner));
        }
        if (!error_.empty()) {
            return;
        }
        if (AtEnd()) {
            Fail("Chybí zavírací hranatá závorka.");
        } else if (group.inside.empty()) {
            Fail("Hranatá závorka je prázdná.");
        } else {
            ++at_;
            group.count = ReadCount(false);
        }
    }

    void ReadParenthesis(Group& group) {
        ++at_;
        group.parenthesised = true;
        while (error_.empty() && !AtEnd() && Peek() != ')') {
            if (Peek() == '(') {
                Fail("Závorky se do sebe nevnořují.");
                return;
            }
            if (Peek() == '[' || Peek() == ']') {
                Fail("Hranatá závorka nepatří do kulaté: K4[Fe(CN)6].");
                return;
            }
            group.atoms.push_back(ReadAtom());
        }
        if (!error_.empty()) {
            return;
        }
        if (AtEnd()) {
            Fail("Chybí zavírací závorka.");
        } else if (group.atoms.empty()) {
            Fail("Závorka je prázdná.");
        } else {
            ++at_;
            group.count = ReadCount(true);
        }
    }

    Atom ReadAtom() {
        const std::size_t start = at_;
        const char c = Peek();
        if (IsDigit(c)) {
            Fail("Číslo „" + std::string(1, c) + "“ nestojí za značkou prvku ani za závorkou.");
            return {};
        }
        if (IsLower(c)) {
            Fail("„" + std::string(1, c) + "“: značka prvku začíná velkým písmenem.");
            return {};
        }
        if (!IsUpper(c)) {
            Fail(static_cast<unsigned char>(c) < 0x20
                     ? std::string("Neplatný znak ve vzorci.")
                     : "Znak „" + std::string(1, c) + "“ do vzorce nepatří.");
            return {};
        }
        ++at_;
        if (!AtEnd() && IsLower(Peek())) {
            ++at_;
        }
        const std::string_view symbol = text_.substr(start, at_ - start);
        if (!IsElement(symbol)) {
            Fail("„" + std::string(symbol) + "“ není značka prvku.");
            return {};
        }
        return {std::string(symbol), ReadCount(false)};
    }

    // The count at the reading position; 1 when none is written and none is needed.
    int ReadCount(bool needed) {
        const std::size_t start = at_;
        while (!AtEnd() && IsDigit(Peek())) {
            ++at_;
        }
        const std::string digits(text_.substr(start, at_ - start));
        if (digits.empty()) {
            if (needed) {
                Fail("Za závorkou chybí počet.");
            }
            return 1;
        }
        if (digits.find_first_not_of('0') == std::string::npos) {
            Fail("Počet nemůže být 0.");
        } else if (digits[0] == '0') {
            Fail("Počet „" + digits + "“ se píše bez nuly na začátku.");
        } else if (digits.size() > 2) {
            Fail("Počet „" + digits + "“ je příliš velký.");
        } else if (digits == "1") {
            Fail("Jednička se ve vzorci nepíše.");
        } else {
            return std::stoi(digits);
        }
        return 1;
    }

    std::string_view text_;
    std::size_t at_ = 0;
    std::string error_;
};

} // namespace

FormulaReading ReadFormula(std::string_view text) {
    if (text.empty()) {
        return {std::nullopt, "Vzorec je prázdný."};
    }
    if (text.size() > kMaxFormulaLength) {
        return {std::nullopt,
                "Vzorec je delší než " + std::to_string(kMaxFormulaLength) + " znaků."};
    }
    return Reader(text).Read();
}

namespace {

std::string Written(const std::vector<Group>& groups) {
    std::string text;
    for (const Group& group : groups) {
        if (group.bracketed) {
            text += "[" + Written(group.inside) + "]" +
                    (group.count > 1 ? std::to_string(group.count) : "");
            continue;
        }
        text += group.parenthesised ? "(" : "";
        for (const Atom& atom : group.atoms) {
            text += atom.symbol + (atom.count > 1 ? std::to_string(atom.count) : "");
        }
        text += group.parenthesised ? ")" + std::to_string(group.count) : "";
    }
    return text;
}

void Count(const std::vector<Group>& groups, int times, std::map<std::string, int>& counts) {
    for (const Group& group : groups) {
        Count(group.inside, times * group.count, counts);
        for (const Atom& atom : group.atoms) {
            counts[atom.symbol] += atom.count * group.count * times;
        }
    }
}

} // namespace

std::string WriteFormula(const Formula& formula) {
    std::string text = Written(formula.groups);
    if (formula.waters > 0) {
        text += kHydrateDot + (formula.waters > 1 ? std::to_string(formula.waters) : "") + "H2O";
    }
    return text;
}

std::map<std::string, int> CountAtoms(const Formula& formula) {
    std::map<std::string, int> counts;
    Count(formula.groups, 1, counts);
    if (formula.waters > 0) {
        counts["H"] += 2 * formula.waters;
        counts["O"] += formula.waters;
    }
    return counts;
}

} // namespace practice
