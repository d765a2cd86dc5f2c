// File encryption with the user's key files: a text is stored as "<base>.dat0",
// which carries its own RC4 data key wrapped with the current user's
// key-exchange key (see Dat0Layout.h for the file's layout).
#pragma once

#include <optional>
#include <string>

namespace support {

// Encrypts the zero-terminated `text` into `basePath` + ".dat0". The new file
// replaces an earlier one only once it is complete. Returns true when the file
// was written; false after a message box.
bool EncryptTextToFile(const char* basePath, const char* text);

// Decrypts `basePath` + ".dat0" and returns its text (up to its first zero
// byte); the recovered bytes are also written to `basePath` + ".dec". No text
// after a message box.
std::optional<std::string> DecryptFileToText(const char* basePath);

} // namespace support
