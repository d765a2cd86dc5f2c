// Code page 1250, which the program works in, and UTF-8, which its files on
// a shared drive are written in: a file saved on one computer reads the same
// on another whatever its Windows language.
#pragma once

#include <string>
#include <string_view>

namespace practice {

// Every byte as UTF-8. The five bytes that code page 1250 leaves undefined
// (0x81, 0x83, 0x88, 0x90, 0x98) become the control characters of the same
// number, U+0081 and so on, so that any text comes back byte for byte.
std::string Utf8FromCp1250(std::string_view text);

// The UTF-8 text in code page 1250 when it is well-formed UTF-8 (no
// overlong forms, surrogates or values above U+10FFFF) and every character
// has a byte there; false otherwise, and `text` holds what came before the fault.
bool Cp1250FromUtf8(std::string_view utf8, std::string& text);

// The byte-order mark that Notepad and Excel take as the sign of UTF-8.
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

} // namespace practice
