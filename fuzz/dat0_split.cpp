// Feeds arbitrary bytes to the split of an encrypted ".dat0" file and checks
// it against the layout: a valid split gives back exactly the file, an invalid
// one only happens when the length field, the blob or the limit is wrong.
// The chunking of the body and the text's end at a zero byte are checked too.
#include "support/crypto/Dat0Layout.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

void Check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    const support::Dat0Parts parts = support::SplitDat0(file);
    const bool plausible = size >= 4 && [&] {
        const uint32_t n = support::DecodeBlobLength(data);
        return n > 0 && n <= support::kMaxKeyBlob && n <= size - 4;
    }();
    Check(parts.valid == plausible);
    if (!parts.valid) {
        Check(parts.blob.empty() && parts.body.empty());
        return 0;
    }
    // The parts lie inside the file, in order, and cover it after the field.
    Check(parts.blob.data() == file.data() + 4);
    Check(parts.body.data() == parts.blob.data() + parts.blob.size());
    Check(4 + parts.blob.size() + parts.body.size() == size);
    Check(support::EncodeBlobLength(static_cast<uint32_t>(parts.blob.size())) +
              std::string(parts.blob) + std::string(parts.body) ==
          std::string(file));

    // The body's decryption chunks: consecutive, only the last (short) one final.
    size_t covered = 0;
    std::string text;
    bool open = true;
    support::ForEachChunk(
        parts.body.size(), support::kDecryptChunk, [&](size_t offset, size_t count, bool final) {
            Check(offset == covered && count <= support::kDecryptChunk);
            Check(final == (count < support::kDecryptChunk));
            covered += count;
            if (open) {
                open = support::AppendUpToZero(text, parts.body.data() + offset, count);
            }
            return true;
        });
    Check(covered == parts.body.size());
    const size_t zero = parts.body.find('\0');
    Check(text == parts.body.substr(0, zero));
    Check(open == (zero == std::string_view::npos));
    return 0;
}
