// The layout of an encrypted ".dat0" file and the chunking of its body, apart
// from the cryptographic calls:
//   offset 0      4 bytes  N, the key blob's length, unsigned little-endian
//   offset 4      N bytes  the data key as a wrapped SIMPLEBLOB
//   offset 4 + N  L bytes  the text, RC4-encrypted (exactly as long as the text)
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "support/files/FileText.h"

namespace support {

// Encryption works in chunks of this many bytes, decryption in smaller ones.
constexpr size_t kEncryptChunk = 4096;
constexpr size_t kDecryptChunk = 2048;
// The decryption's buffer receives the key blob first, so a longer blob can
// only come from a damaged file.
constexpr uint32_t kMaxKeyBlob = 2048;
// Bytes of the length field in front of the blob.
constexpr size_t kBlobLengthSize = 4;

// The two names derived from a base path (the path without extension).
constexpr const char* kEncryptedExtension = ".dat0";
// Where the decryption also writes the text it recovers; never the file it reads.
constexpr const char* kDecryptedExtension = ".dec";

struct Dat0Names {
    bool fits = false; // false: a name would not fit the platform's path buffers
    std::string encrypted;
    std::string decrypted;
};
Dat0Names MakeDat0Names(std::string_view basePath);

// The 4-byte little-endian length field.
std::string EncodeBlobLength(uint32_t length);
uint32_t DecodeBlobLength(const unsigned char* field);

// Whether a file of `fileSize` bytes that announces a blob of `blobLength`
// bytes can be an encrypted file: the blob is neither empty nor longer than
// the decryption buffer, and the file holds it completely.
bool BlobFits(uint64_t fileSize, uint32_t blobLength);

struct Dat0Parts {
    bool valid = false;
    std::string_view blob;
    std::string_view body; // the encrypted text
};
// Splits a whole encrypted file into its blob and body; invalid (both empty)
// when the bytes cannot be such a file. The views point into `file`.
Dat0Parts SplitDat0(std::string_view file);

// Calls `chunk(offset, count, final)` for the consecutive pieces of a text of
// `length` bytes in chunks of `size` bytes. A chunk is final when it is shorter
// than `size`, so a length that is a multiple of `size` (zero included) ends
// with a final chunk of zero bytes. Stops early when `chunk` returns false;
// returns whether every chunk was accepted.
template <class Chunk> bool ForEachChunk(size_t length, size_t size, Chunk chunk) {
    size_t offset = 0;
    for (;;) {
        const size_t count = length - offset < size ? length - offset : size;
        const bool final = count < size;
        if (!chunk(offset, count, final)) {
            return false;
        }
        if (final) {
            return true;
        }
        offset += count;
    }
}

// Appends decrypted bytes to the text unless the text already ended: the text
// is zero-terminated, so it ends at the first zero byte the body holds.
// Returns whether the text is still open for more bytes.
bool AppendUpToZero(std::string& text, const char* bytes, size_t count);

} // namespace support
