// Feeds arbitrary bytes to the reading of an encrypted ".dat0" file, as the
// decryption reads it (with the cryptography left out), and checks it against
// the layout: a valid split gives back exactly the file, an invalid one only
// happens when the length field, the blob or the limit is wrong; the body
// goes through in consecutive chunks, only the last (short) one final, and
// the text ends at the body's first zero byte.
#include "fuzz/FuzzCheck.h"
#include "support/crypto/Dat0Layout.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // An exact-size copy, so that a read past the end is seen.
    const std::vector<char> bytes(data, data + size);
    const std::string_view file(bytes.data(), size);
    const support::Dat0Parts parts = support::SplitDat0(file);
    const bool plausible = size >= 4 && [&] {
        const uint32_t n = support::DecodeBlobLength(data);
        return n > 0 && n <= support::kMaxKeyBlob && n <= size - 4;
    }();
    fuzz::Check(parts.valid == plausible);
    if (!parts.valid) {
        fuzz::Check(parts.blob.empty() && parts.body.empty());
        return 0;
    }
    // The parts lie inside the file, in order, and cover it after the field.
    fuzz::Check(parts.blob.data() == file.data() + 4);
    fuzz::Check(parts.body.data() == parts.blob.data() + parts.blob.size());
    fuzz::Check(4 + parts.blob.size() + parts.body.size() == size);
    fuzz::Check(support::EncodeBlobLength(static_cast<uint32_t>(parts.blob.size())) +
                    std::string(parts.blob) + std::string(parts.body) ==
                std::string(file));

    // The decryption's reading, with reads served from the file.
    size_t offset = 0;
    size_t covered = 0;
    bool ended = false;
    std::string text;
    unsigned char buffer[support::kDat0BufferSize];
    const support::Dat0End end = support::ReadDat0(
        size, buffer,
        [&](unsigned char* into, size_t count) {
            fuzz::Check(count <= sizeof buffer && count <= size - offset);
            std::memcpy(into, bytes.data() + offset, count);
            offset += count;
            return true;
        },
        [&](const unsigned char* blob, uint32_t n) {
            fuzz::Check(n == parts.blob.size() && std::memcmp(blob, parts.blob.data(), n) == 0);
            return true;
        },
        [&](unsigned char*, uint32_t* count, bool final) {
            fuzz::Check(!ended && *count <= support::kDecryptChunk);
            fuzz::Check(final == (*count < support::kDecryptChunk));
            covered += *count;
            ended = final;
            return true;
        },
        text);
    fuzz::Check(end == support::Dat0End::complete && ended);
    fuzz::Check(offset == size && covered == parts.body.size());
    fuzz::Check(text == parts.body.substr(0, parts.body.find('\0')));
    return 0;
}
