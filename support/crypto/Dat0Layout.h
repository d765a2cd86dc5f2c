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
// The encryption writes a temporary file beside the encrypted file, named
// after it (base/TemporaryName.h), and moves the complete file over it.
struct Dat0Names {
    bool fits = false;          // false: a name would not fit the platform's path buffers
    bool temporaryFits = false; // the same for the first temporary name of the encrypted file
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
// Splits a whole encrypted file into its blob and body, reading it as the
// decryption does (with the decryption left out); invalid (both empty) when
// the bytes cannot be such a file. The views point into `file`.
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

// Room for a blob or a decryption chunk (the blob is never longer).
constexpr size_t kDat0BufferSize = kDecryptChunk;
static_assert(kMaxKeyBlob <= kDat0BufferSize, "the blob is read into the chunk buffer");

// How reading an encrypted file ended.
enum class Dat0End {
    complete,      // every chunk decrypted
    badKey,        // the length field or the blob is unreadable, or the key was refused
    readFailed,    // the body ended before the file's size said it would
    decryptFailed, // a chunk could not be decrypted
};

// Reads an encrypted file of `fileSize` bytes front to back, in `buffer`:
// `read(bytes, count)` must deliver exactly `count` bytes or return false.
// The blob goes to `importKey(blob, length)`; then each chunk of the body, in
// the order and sizes of ForEachChunk, goes to `decrypt(bytes, &count, final)`,
// which decrypts in place; the decrypted text up to its first zero byte is
// appended to `text`, which holds room for the whole body first: a growing
// string would leave a freed copy of the text behind at every step, unwiped.
// Stops at the first failure.
template <class Read, class ImportKey, class Decrypt>
Dat0End ReadDat0(uint64_t fileSize, unsigned char (&buffer)[kDat0BufferSize], Read read,
                 ImportKey importKey, Decrypt decrypt, std::string& text) {
    if (fileSize < kBlobLengthSize || !read(buffer, kBlobLengthSize)) {
        return Dat0End::badKey;
    }
    const uint32_t n = DecodeBlobLength(buffer);
    if (!BlobFits(fileSize, n) || !read(buffer, n) || !importKey(buffer, n)) {
        return Dat0End::badKey;
    }
    const uint64_t body = fileSize - kBlobLengthSize - n;
    if (body > static_cast<size_t>(-1)) {
        return Dat0End::readFailed;
    }
    text.reserve(text.size() + static_cast<size_t>(body));
    bool open = true;
    Dat0End end = Dat0End::complete;
    ForEachChunk(static_cast<size_t>(body), kDecryptChunk, [&](size_t, size_t count, bool final) {
        if (!read(buffer, count)) {
            end = Dat0End::readFailed;
            return false;
        }
        uint32_t decrypted = static_cast<uint32_t>(count);
        if (!decrypt(buffer, &decrypted, final) || decrypted > count) {
            end = Dat0End::decryptFailed;
            return false;
        }
        if (open) {
            open = AppendUpToZero(text, reinterpret_cast<const char*>(buffer), decrypted);
        }
        return true;
    });
    return end;
}

} // namespace support
