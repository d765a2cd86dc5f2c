#include "support/crypto/Crypto.h"

#include "support/crypto/Dat0Layout.h"

#include <windows.h>
#include <wincrypt.h>

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
const char* const kCompletedText = "Decoding was completed ";
const char* const kCompletedCaption = " completion";

void ShowError(const char* text) {
    MessageBoxA(nullptr, text, kErrorCaption, MB_OK);
}

// The handles of one operation, released in reverse order whatever happens.
struct CryptSession {
    HCRYPTPROV provider = 0;
    HCRYPTKEY exchangeKey = 0;
    HCRYPTKEY dataKey = 0;
    ~CryptSession() { Release(); }
    void Release() {
        if (dataKey != 0) {
            CryptDestroyKey(dataKey);
            dataKey = 0;
        }
        if (exchangeKey != 0) {
            CryptDestroyKey(exchangeKey);
            exchangeKey = 0;
        }
        if (provider != 0) {
            CryptReleaseContext(provider, 0);
            provider = 0;
        }
    }
    // The current user's default container on the default provider; never created here.
    bool Acquire() { return CryptAcquireContextA(&provider, nullptr, nullptr, PROV_RSA_FULL, 0); }
};

struct FileHandle {
    HANDLE handle = INVALID_HANDLE_VALUE;
    ~FileHandle() { Close(); }
    void Close() {
        if (handle != INVALID_HANDLE_VALUE) {
            CloseHandle(handle);
            handle = INVALID_HANDLE_VALUE;
        }
    }
    bool Write(const void* bytes, size_t count) {
        DWORD written = 0;
        return WriteFile(handle, bytes, static_cast<DWORD>(count), &written, nullptr) &&
               written == count;
    }
    // Reads exactly `count` bytes; false when the file ends first.
    bool ReadExactly(void* bytes, DWORD count) {
        DWORD read = 0;
        return ReadFile(handle, bytes, count, &read, nullptr) && read == count;
    }
};

// A new empty file beside `target`, to be moved over it once complete.
std::string TemporaryBeside(const std::string& target) {
    const size_t slash = target.find_last_of("\\/");
    const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash + 1);
    char name[MAX_PATH] = {};
    if (GetTempFileNameA(folder.c_str(), "zd0", 0, name) == 0) {
        return "";
    }
    return name;
}

// Steps after the key export: the blob and the encrypted text into a temporary
// file, then the move over the earlier encrypted file.
bool WriteEncryptedFile(const std::string& target, HCRYPTKEY hKey, const std::vector<BYTE>& blob,
                        const char* text) {
    const std::string temporary = TemporaryBeside(target);
    if (temporary.empty()) {
        return false;
    }
    FileHandle out;
    out.handle = CreateFileA(temporary.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                             CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    bool ok = out.handle != INVALID_HANDLE_VALUE;
    const std::string length = EncodeBlobLength(static_cast<uint32_t>(blob.size()));
    ok = ok && out.Write(length.data(), length.size()) && out.Write(blob.data(), blob.size());
    // The text is encrypted from memory, chunk by chunk in `pbBuf`, with the
    // final flag only on the last chunk: RC4 keeps its stream between calls.
    const size_t textLength = std::strlen(text);
    BYTE pbBuf[kEncryptChunk];
    ok =
        ok && ForEachChunk(textLength, kEncryptChunk, [&](size_t offset, size_t count, bool final) {
            std::memcpy(pbBuf, text + offset, count);
            DWORD dwCount = static_cast<DWORD>(count);
            return CryptEncrypt(hKey, 0, final, 0, pbBuf, &dwCount, kEncryptChunk) &&
                   out.Write(pbBuf, dwCount);
        });
    out.Close();
    SecureZeroMemory(pbBuf, sizeof pbBuf);
    ok = ok && MoveFileExA(temporary.c_str(), target.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok) {
        DeleteFileA(temporary.c_str());
    }
    return ok;
}

} // namespace

bool EncryptTextToFile(const char* basePath, const char* text) {
    const Dat0Names names = MakeDat0Names(basePath == nullptr ? "" : basePath);
    if (!names.fits || text == nullptr) {
        MessageBoxA(nullptr, kWriteFailed, nullptr, MB_ICONERROR);
        return false;
    }
    CryptSession session;
    if (!session.Acquire()) {
        ShowError(kAcquireFailed);
        return false;
    }
    if (!CryptGetUserKey(session.provider, AT_KEYEXCHANGE, &session.exchangeKey)) {
        session.Release();
        ShowError(kUserKeyFailed);
        return false;
    }
    if (!CryptGenKey(session.provider, CALG_RC4, CRYPT_EXPORTABLE, &session.dataKey)) {
        session.Release();
        ShowError(kGenKeyFailed);
        return false;
    }
    DWORD dwBlobLen = 0;
    std::vector<BYTE> blob;
    if (!CryptExportKey(session.dataKey, session.exchangeKey, SIMPLEBLOB, 0, nullptr, &dwBlobLen) ||
        dwBlobLen == 0 || dwBlobLen > kMaxKeyBlob) {
        session.Release();
        ShowError(kExportFailed);
        return false;
    }
    blob.resize(dwBlobLen);
    if (!CryptExportKey(session.dataKey, session.exchangeKey, SIMPLEBLOB, 0, blob.data(),
                        &dwBlobLen)) {
        session.Release();
        ShowError(kExportFailed);
        return false;
    }
    blob.resize(dwBlobLen);
    const bool written = WriteEncryptedFile(names.encrypted, session.dataKey, blob, text);
    session.Release();
    if (!written) {
        MessageBoxA(nullptr, kWriteFailed, nullptr, MB_ICONERROR);
        return false;
    }
    return true;
}

std::optional<std::string> DecryptFileToText(const char* basePath) {
    const Dat0Names names = MakeDat0Names(basePath == nullptr ? "" : basePath);
    CryptSession session;
    if (!session.Acquire()) {
        ShowError(kAcquireFailed);
        return std::nullopt;
    }
    FileHandle in;
    if (names.fits) {
        in.handle = CreateFileA(names.encrypted.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    // `pbBuffer` holds a chunk and a terminating zero; it first receives the blob.
    BYTE pbBuffer[kDecryptChunk + 1] = {};
    LARGE_INTEGER fileSize = {};
    BYTE field[kBlobLengthSize] = {};
    bool ok = in.handle != INVALID_HANDLE_VALUE && GetFileSizeEx(in.handle, &fileSize) &&
              in.ReadExactly(field, kBlobLengthSize);
    const uint32_t n = ok ? DecodeBlobLength(field) : 0;
    ok = ok && BlobFits(static_cast<uint64_t>(fileSize.QuadPart), n) && in.ReadExactly(pbBuffer, n);
    // The blob is unwrapped with the container's key-exchange key, passed
    // explicitly: not every provider falls back to it when no key is given.
    ok = ok && CryptGetUserKey(session.provider, AT_KEYEXCHANGE, &session.exchangeKey) &&
         CryptImportKey(session.provider, pbBuffer, n, session.exchangeKey, 0, &session.dataKey);
    if (!ok) {
        session.Release();
        in.Close();
        ShowError(kImportFailed);
        return std::nullopt;
    }

    FileHandle out;
    out.handle = CreateFileA(names.decrypted.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                             CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    std::string text;
    bool open = true;
    for (;;) {
        DWORD dwCount = 0;
        if (!ReadFile(in.handle, pbBuffer, kDecryptChunk, &dwCount, nullptr)) {
            dwCount = 0;
        }
        const bool final = dwCount < kDecryptChunk;
        if (!CryptDecrypt(session.dataKey, 0, final, 0, pbBuffer, &dwCount)) {
            SecureZeroMemory(pbBuffer, sizeof pbBuffer);
            session.Release();
            out.Close();
            in.Close();
            ShowError(kDecryptFailed);
            return std::nullopt;
        }
        if (out.handle != INVALID_HANDLE_VALUE) {
            out.Write(pbBuffer, dwCount);
        }
        if (open) {
            open = AppendUpToZero(text, reinterpret_cast<const char*>(pbBuffer), dwCount);
        }
        if (final) {
            break;
        }
    }
    SecureZeroMemory(pbBuffer, sizeof pbBuffer);
    session.Release();
    out.Close();
    in.Close();
    MessageBoxA(nullptr, kCompletedText, kCompletedCaption, MB_OK);
    return text;
}

} // namespace support
