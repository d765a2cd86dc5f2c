#include "support/crypto/Crypto.h"

#include "support/crypto/Dat0Layout.h"

#include "base/Owners.h"
#include "base/WholeFile.h"

#include <windows.h>
#include <wincrypt.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace support {
namespace {

const char* const kErrorCaption = "Error";
const char* const kWriteFailed = "Chyba zpisu do souboru";
const char* const kAcquireFailed = "CryptAcquireContext Error";
const char* const kUserKeyFailed = "CryptGetUserKey Error";
const char* const kGenKeyFailed = "CryptGenKey Error";
const char* const kExportFailed = "CryptExportKey Error";
const char* const kImportFailed = "CryptImportKey Error";
const char* const kDecryptFailed = "CryptDecrypt Error";
const char* const kReadFailed = "ReadFile Error";
const char* const kCompletedText = "Decoding was completed ";
const char* const kCompletedCaption = " completion";

void ShowError(const char* text) {
    MessageBoxA(nullptr, text, kErrorCaption, MB_OK);
}

// The handles of one operation: the keys go before the provider.
struct CryptSession {
    base::CryptProviderOwner provider;
    base::CryptKeyOwner exchangeKey;
    base::CryptKeyOwner dataKey;
    // The current user's default container on the default provider; never created here.
    bool Acquire() {
        return CryptAcquireContextA(provider.Put(), nullptr, nullptr, PROV_RSA_FULL, 0);
    }
};

// Steps after the key export: the blob and the encrypted text into the
// temporary file beside the target, which then replaces the earlier
// encrypted file, in the same folder whatever the path's form.
bool WriteEncryptedFile(const Dat0Names& names, HCRYPTKEY hKey, const std::vector<BYTE>& blob,
                        const char* text) {
    const std::string length = EncodeBlobLength(static_cast<uint32_t>(blob.size()));
    // The text is encrypted from memory, chunk by chunk in `pbBuf`, with the
    // final flag only on the last chunk: RC4 keeps its stream between calls.
    const size_t textLength = std::strlen(text);
    BYTE pbBuf[kEncryptChunk];
    const bool written = base::WriteWholeFile(names.encrypted, [&](HANDLE out) {
        return base::WriteAll(out, length.data(), length.size()) &&
               base::WriteAll(out, blob.data(), blob.size()) &&
               ForEachChunk(
                   textLength, kEncryptChunk, [&](size_t offset, size_t count, bool final) {
                       std::memcpy(pbBuf, text + offset, count);
                       DWORD dwCount = static_cast<DWORD>(count);
                       return CryptEncrypt(hKey, 0, final, 0, pbBuf, &dwCount, kEncryptChunk) &&
                              base::WriteAll(out, pbBuf, dwCount);
                   });
    });
    SecureZeroMemory(pbBuf, sizeof pbBuf);
    return written;
}

// The encryption with a new data key, the box text of the step that failed
// or null. Every handle is released before the caller shows its box.
const char* EncryptWithNewKey(const Dat0Names& target, const char* text) {
    CryptSession session;
    if (!session.Acquire()) {
        return kAcquireFailed;
    }
    if (!CryptGetUserKey(session.provider.Get(), AT_KEYEXCHANGE, session.exchangeKey.Put())) {
        return kUserKeyFailed;
    }
    if (!CryptGenKey(session.provider.Get(), CALG_RC4, CRYPT_EXPORTABLE, session.dataKey.Put())) {
        return kGenKeyFailed;
    }
    DWORD dwBlobLen = 0;
    if (!CryptExportKey(session.dataKey.Get(), session.exchangeKey.Get(), SIMPLEBLOB, 0, nullptr,
                        &dwBlobLen) ||
        dwBlobLen == 0 || dwBlobLen > kMaxKeyBlob) {
        return kExportFailed;
    }
    std::vector<BYTE> blob(dwBlobLen);
    if (!CryptExportKey(session.dataKey.Get(), session.exchangeKey.Get(), SIMPLEBLOB, 0,
                        blob.data(), &dwBlobLen)) {
        return kExportFailed;
    }
    blob.resize(dwBlobLen);
    return WriteEncryptedFile(target, session.dataKey.Get(), blob, text) ? nullptr : kWriteFailed;
}

// The decryption of an encrypted file into `text` and, when it can be
// written, the decrypted file; the box text of the step that failed or null.
// The decrypted file is written whole once the decryption is complete, so a
// failure leaves an earlier one as it was. Every handle is released before
// the caller shows its box.
const char* DecryptInto(const Dat0Names& names, std::string& text) {
    CryptSession session;
    if (!session.Acquire()) {
        return kAcquireFailed;
    }
    base::FileOwner file;
    if (names.fits) {
        file.Reset(CreateFileA(names.encrypted.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    }
    LARGE_INTEGER fileSize = {};
    if (!file || !GetFileSizeEx(file.Get(), &fileSize)) {
        return kImportFailed;
    }
    const HANDLE in = file.Get();
    // Every decrypted byte, for the decrypted file, in one buffer as large as
    // the file: the one that is wiped at the end.
    std::string decrypted;
    if (static_cast<uint64_t>(fileSize.QuadPart) <= SIZE_MAX) { // larger: no text is read
        decrypted.reserve(static_cast<size_t>(fileSize.QuadPart));
    }
    BYTE pbBuffer[kDat0BufferSize] = {};
    const Dat0End end = ReadDat0(
        static_cast<uint64_t>(fileSize.QuadPart), pbBuffer,
        [in](BYTE* bytes, size_t count) {
            DWORD read = 0;
            return ReadFile(in, bytes, static_cast<DWORD>(count), &read, nullptr) && read == count;
        },
        // The blob is unwrapped with the container's key-exchange key, passed
        // explicitly: not every provider falls back to it when no key is given.
        [&](const BYTE* blob, uint32_t n) {
            if (!CryptGetUserKey(session.provider.Get(), AT_KEYEXCHANGE,
                                 session.exchangeKey.Put()) ||
                !CryptImportKey(session.provider.Get(), blob, n, session.exchangeKey.Get(), 0,
                                session.dataKey.Put())) {
                return false;
            }
            return true;
        },
        [&](BYTE* bytes, uint32_t* count, bool final) {
            DWORD dwCount = *count;
            if (!CryptDecrypt(session.dataKey.Get(), 0, final, 0, bytes, &dwCount)) {
                return false;
            }
            *count = dwCount;
            decrypted.append(reinterpret_cast<const char*>(bytes), dwCount);
            return true;
        },
        text);
    SecureZeroMemory(pbBuffer, sizeof pbBuffer);
    if (end == Dat0End::complete && names.fits) {
        base::WriteWholeFile(names.decrypted, decrypted); // a copy: its failure is not the text's
    }
    SecureZeroMemory(&decrypted[0], decrypted.size());
    if (end == Dat0End::complete) {
        return nullptr;
    }
    // What was decrypted before the failure is no text: neither returned nor kept.
    SecureZeroMemory(&text[0], text.size());
    text.clear();
    switch (end) {
    case Dat0End::badKey:
        return kImportFailed;
    case Dat0End::readFailed:
        return kReadFailed;
    default:
        return kDecryptFailed;
    }
}

} // namespace

bool EncryptTextToFile(const char* basePath, const char* text) {
    const Dat0Names names = MakeDat0Names(basePath == nullptr ? "" : basePath);
    if (!names.temporaryFits || text == nullptr) {
        MessageBoxA(nullptr, kWriteFailed, nullptr, MB_ICONERROR);
        return false;
    }
    if (const char* failure = EncryptWithNewKey(names, text)) {
        if (failure == kWriteFailed) {
            MessageBoxA(nullptr, kWriteFailed, nullptr, MB_ICONERROR);
        } else {
            ShowError(failure);
        }
        return false;
    }
    return true;
}

std::optional<std::string> DecryptFileToText(const char* basePath) {
    const Dat0Names names = MakeDat0Names(basePath == nullptr ? "" : basePath);
    std::string text;
    if (const char* failure = DecryptInto(names, text)) {
        ShowError(failure);
        return std::nullopt;
    }
    MessageBoxA(nullptr, kCompletedText, kCompletedCaption, MB_OK);
    return text;
}

} // namespace support
