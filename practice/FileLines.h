// What the test file and the result file share: lines of fields separated by
// a tab, in UTF-8 on disk and code page 1250 in memory, with CR LF line ends
// and a byte-order mark, read strictly with the number of the line at fault.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace practice {

// Largest file the readers take: a result of 200 questions with long answers
// stays far below it; anything larger is not one of the program's files.
constexpr std::size_t kMaxFileBytes = 1 << 20;

// A field as written: "\" as "\\", tab, line feed and carriage return as
// "\t", "\n" and "\r", other bytes below 0x20 and 0x7F as "\xHH", so that
// no text can break a line or split a field.
std::string Escaped(const std::string& text);

// Writes fields into lines of UTF-8 text.
class LinesWriter {
  public:
    // The first line: "Zemit test 1" for `kind` "test" and version 1.
    LinesWriter(const std::string& kind, int version);
    // One line: the key, then the fields escaped, all separated by tabs.
    void Line(const std::string& key, const std::vector<std::string>& fields = {});
    // The whole file: byte-order mark, the lines in UTF-8, a closing "konec".
    std::string Text() const;

  private:
    std::string text_; // code page 1250 until Text()
};

// Reads the lines that LinesWriter wrote. Every fault throws FileFault with a
// sentence for the user that names the line.
struct FileFault {
    std::string text;
};

class LinesReader {
  public:
    // Checks the size, the byte-order mark (optional), the first line and
    // the closing line; `kind` and `what` name the file in messages ("test",
    // "soubor testu"); `version` is the newest the program reads.
    LinesReader(std::string_view bytes, const std::string& kind, const std::string& what,
                int version);

    // The key of the next line ("" at the closing line), without taking it;
    // a line that cannot be read throws its fault already here.
    const std::string& NextKey();
    // Takes the next line, which must have the key and `count` fields after
    // it; returns the fields unescaped.
    std::vector<std::string> Take(const std::string& key, std::size_t count);
    // The same with any number of fields but at least one.
    std::vector<std::string> TakeAny(const std::string& key);
    // Takes the closing line; nothing but empty lines may follow.
    void End();

    // Throws a fault at the line taken last: "Řádek 7: " and `what` with a
    // full stop; a whole sentence loses its capital and its full stop.
    [[noreturn]] void Fail(std::string what) const;
    // A whole number of the last line's field, from `lowest` to `highest`,
    // written without a sign or leading zeros.
    int Number(const std::string& field, int lowest, int highest, const std::string& what) const;

  private:
    struct Line {
        int number;
        std::string key;
        std::vector<std::string> fields;
        std::string fault; // why the line cannot be read, said when it is taken
    };
    std::vector<std::string> Take(const std::string& key, std::size_t count, bool any);

    std::vector<Line> lines_;
    std::size_t next_ = 0;
    int last_ = 1; // the number of the line taken last
    int end_ = 1;  // the number of the closing line
};

} // namespace practice
