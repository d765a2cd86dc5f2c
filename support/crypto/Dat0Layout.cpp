#include "support/crypto/Dat0Layout.h"

#include "base/TemporaryName.h"

#include <cstring>

namespace support {

Dat0Names MakeDat0Names(std::string_view basePath) {
    Dat0Names names;
    names.encrypted = std::string(basePath) + kEncryptedExtension;
    names.decrypted = std::string(basePath) + kDecryptedExtension;
    names.fits = !basePath.empty() && FitsPath(names.encrypted) && FitsPath(names.decrypted);
    names.temporaryFits = names.fits && !base::TemporaryName(names.encrypted, 0).empty();
    return names;
}

std::string EncodeBlobLength(uint32_t length) {
    std::string field(kBlobLengthSize, '\0');
    for (size_t i = 0; i < kBlobLengthSize; ++i) {
        field[i] = static_cast<char>((length >> (8 * i)) & 0xFF);
    }
    return field;
}

uint32_t DecodeBlobLength(const unsigned char* field) {
    uint32_t length = 0;
    for (size_t i = 0; i < kBlobLengthSize; ++i) {
        length |= static_cast<uint32_t>(field[i]) << (8 * i);
    }
    return length;
}

bool BlobFits(uint64_t fileSize, uint32_t blobLength) {
    return blobLength > 0 && blobLength <= kMaxKeyBlob && fileSize >= kBlobLengthSize &&
           fileSize - kBlobLengthSize >= blobLength;
}

Dat0Parts SplitDat0(std::string_view file) {
    Dat0Parts parts;
    size_t offset = 0;
    uint32_t blobLength = 0;
    unsigned char buffer[kDat0BufferSize];
    std::string text;
    const Dat0End end = ReadDat0(
        file.size(), buffer,
        [&](unsigned char* bytes, size_t count) {
            if (count > file.size() - offset) {
                return false;
            }
            std::memcpy(bytes, file.data() + offset, count);
            offset += count;
            return true;
        },
        [&](const unsigned char*, uint32_t length) {
            blobLength = length;
            return true;
        },
        [](unsigned char*, uint32_t*, bool) { return true; }, text);
    if (end != Dat0End::complete) {
        return parts;
    }
    parts.valid = true;
    parts.blob = file.substr(kBlobLengthSize, blobLength);
    parts.body = file.substr(kBlobLengthSize + blobLength);
    return parts;
}

bool AppendUpToZero(std::string& text, const char* bytes, size_t count) {
    const void* zero = count == 0 ? nullptr : std::memchr(bytes, '\0', count);
    if (zero == nullptr) {
        text.append(bytes, count);
        return true;
    }
    text.append(bytes, static_cast<const char*>(zero) - bytes);
    return false;
}

} // namespace support
