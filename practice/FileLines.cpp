#include "practice/FileLines.h"

#include "practice/Text.h"
#include "practice/Utf8.h"

#include <cstdio>

namespace practice {
namespace {

const char* const kEnd = "konec";

bool IsControl(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// The field as Escaped() wrote it, or false at a fault.
bool Unescaped(const std::string& field, std::string& text) {
    text.clear();
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\') {
            text += field[i];
            continue;
        }
        if (++i == field.size()) {
            return false;
        }
        switch (field[i]) {
        case '\\':
            text += '\\';
            break;
        case 't':
            text += '\t';
            break;
        case 'n':
            text += '\n';
            break;
        case 'r':
            text += '\r';
            break;
        case 'x': {
            const int high = i + 2 < field.size() ? HexDigit(field[i + 1]) : -1;
            const int low = high < 0 ? -1 : HexDigit(field[i + 2]);
            if (low < 0) {
                return false;
            }
            text += static_cast<char>(high * 16 + low);
            i += 2;
            break;
        }
        default:
            return false;
        }
    }
    return true;
}

} // namespace

std::string Escaped(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '\\':
            escaped += "\\\\";
            break;
        case '\t':
            escaped += "\\t";
            break;
        case '\n':
            escaped += "\\n";
            break;
        case '\r':
            escaped += "\\r";
            break;
        default:
            if (IsControl(c)) {
                char code[5];
                std::snprintf(code, sizeof code, "\\x%02X", static_cast<unsigned char>(c));
                escaped += code;
            } else {
                escaped += c;
            }
        }
    }
    return escaped;
}

LinesWriter::LinesWriter(const std::string& kind, int version)
    : text_("Zemit " + kind + " " + std::to_string(version) + "\r\n") {}

void LinesWriter::Line(const std::string& key, const std::vector<std::string>& fields) {
    text_ += key;
    for (const std::string& field : fields) {
        text_ += "\t" + Escaped(field);
    }
    text_ += "\r\n";
}

std::string LinesWriter::Text() const {
    return std::string(kUtf8Bom) + Utf8FromCp1250(text_ + kEnd + "\r\n");
}

LinesReader::LinesReader(std::string_view bytes, const std::string& kind, const std::string& what,
                         int version) {
    if (bytes.size() > kMaxFileBytes) {
        throw FileFault{"Soubor je příliš velký, nejde o " + what + " programu Zemit."};
    }
    if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
        bytes.remove_prefix(kUtf8Bom.size());
    }
    std::vector<std::string_view> raw;
    for (;;) {
        const std::size_t at = bytes.find('\n');
        std::string_view line = bytes.substr(0, at);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        raw.push_back(line);
        if (at == std::string_view::npos) {
            break;
        }
        bytes.remove_prefix(at + 1);
    }
    while (!raw.empty() && raw.back().empty()) {
        raw.pop_back();
    }
    if (raw.empty()) {
        throw FileFault{"Soubor je prázdný."};
    }
    const std::string prefix = Utf8FromCp1250("Zemit " + kind + " ");
    const std::string_view first = raw.front();
    if (first.substr(0, prefix.size()) != prefix) {
        throw FileFault{"Nejde o " + what + " programu Zemit."};
    }
    const std::string_view number = first.substr(prefix.size());
    int found = 0;
    for (const char c : number) {
        if (c < '0' || c > '9' || found > 9999) {
            found = -1;
            break;
        }
        found = found * 10 + (c - '0');
    }
    if (found <= 0 || number.front() == '0') {
        throw FileFault{"Řádek 1: neznámé označení verze formátu „" +
                        std::string(number.substr(0, 20)) + "“."};
    }
    if (found > version) {
        throw FileFault{"Soubor uložila novější verze programu Zemit (formát " +
                        std::to_string(found) + ", tato verze zná jen formát " +
                        std::to_string(version) + "). Nainstalujte novější verzi Zemitu."};
    }
    if (raw.size() < 2 || raw.back() != kEnd) {
        throw FileFault{"Soubor je neúplný: chybí poslední řádek „konec“. Nejspíš se nepodařilo "
                        "uložit ho celý."};
    }
    for (std::size_t i = 1; i + 1 < raw.size(); ++i) {
        Line line{static_cast<int>(i + 1), "", {}, ""};
        std::string text;
        if (!Cp1250FromUtf8(raw[i], text)) {
            line.fault = "text není v kódování UTF-8 nebo obsahuje znak, který Zemit neumí "
                         "zobrazit";
        } else if (text.empty()) {
            line.fault = "je prázdný";
        }
        for (const char c : text) {
            if (IsControl(c) && c != '\t' && line.fault.empty()) {
                line.fault = "obsahuje řídicí znak";
            }
        }
        if (line.fault.empty()) {
            line.fields = Split(text, '\t');
            line.key = line.fields.front();
            line.fields.erase(line.fields.begin());
            for (std::string& field : line.fields) {
                std::string unescaped;
                if (!Unescaped(field, unescaped) && line.fault.empty()) {
                    line.fault = "obsahuje zpětné lomítko, za kterým nestojí \\, t, n, r ani x "
                                 "se dvěma šestnáctkovými číslicemi";
                }
                field = unescaped;
            }
        }
        lines_.push_back(std::move(line));
    }
    end_ = static_cast<int>(raw.size());
}

const std::string& LinesReader::NextKey() {
    static const std::string none;
    if (next_ == lines_.size()) {
        return none;
    }
    if (!lines_[next_].fault.empty()) {
        last_ = lines_[next_].number;
        Fail(lines_[next_].fault);
    }
    return lines_[next_].key;
}

std::vector<std::string> LinesReader::TakeAny(const std::string& key) {
    const std::vector<std::string> fields = Take(key, 0, true);
    if (fields.empty()) {
        Fail("za „" + key + "“ chybí údaje");
    }
    return fields;
}

std::vector<std::string> LinesReader::Take(const std::string& key, std::size_t count) {
    return Take(key, count, false);
}

std::vector<std::string> LinesReader::Take(const std::string& key, std::size_t count, bool any) {
    if (next_ == lines_.size()) {
        last_ = end_;
        Fail("chybí řádek „" + key + "“");
    }
    const Line& line = lines_[next_++];
    last_ = line.number;
    if (!line.fault.empty()) {
        Fail(line.fault);
    }
    if (line.key != key) {
        Fail("má začínat „" + key + "“, začíná však „" + line.key.substr(0, 40) + "“");
    }
    if (!any && line.fields.size() != count) {
        Fail("počet údajů za „" + key + "“ má být " + std::to_string(count) + ", ne " +
             std::to_string(line.fields.size()));
    }
    return line.fields;
}

void LinesReader::End() {
    if (next_ < lines_.size()) {
        last_ = lines_[next_].number;
        Fail("řádek „" + lines_[next_].key.substr(0, 40) + "“ sem nepatří");
    }
}

void LinesReader::Fail(std::string what) const {
    if (!what.empty() && what.back() == '.') {
        what.pop_back();
    }
    if (!what.empty() && what[0] >= 'A' && what[0] <= 'Z') {
        what[0] = static_cast<char>(what[0] - 'A' + 'a');
    }
    throw FileFault{"Řádek " + std::to_string(last_) + ": " + what + "."};
}

int LinesReader::Number(const std::string& field, int lowest, int highest,
                        const std::string& what) const {
    long long value = field.empty() || (field[0] == '0' && field.size() > 1) ? -1 : 0;
    for (const char c : field) {
        if (value < 0 || c < '0' || c > '9' || value > highest) {
            value = -1;
            break;
        }
        value = value * 10 + (c - '0');
    }
    if (value < lowest || value > highest) {
        Fail(what + " má být celé číslo od " + std::to_string(lowest) + " do " +
             std::to_string(highest) + ", ne „" + field.substr(0, 20) + "“");
    }
    return static_cast<int>(value);
}

} // namespace practice
