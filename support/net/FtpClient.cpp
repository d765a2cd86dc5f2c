// FTP over WinInet for a host dialog: every outcome is a box owned by the
// dialog or a text in it; nothing is retried.
#include "support/net/Net.h"

#include "base/Owners.h"

namespace support {

namespace {

constexpr int kFieldSize = 30; // host, user name and password, with the zero
constexpr int kUrlSize = 300;

const char* const kAgent = "Moje připojení";
const char* const kCameraFolder = "webcam";
const char* const kPictureName = "snapshot.jpg";
const char* const kPicturePath = "d:\\snapshot.jpg";
const char* const kFolderName = "NovaSlozka";
const char* const kOldFileName = "pix1.jpg";
const char* const kNewFileName = "novy.jpg";

const char* const kNotOpen = "Není otevřené připojení!";
const char* const kCannotConnect = "Nepodařilo se připojit k serveru!";
const char* const kCannotDisconnect = "Nepodařilo se korektní odpojení od serveru!";

void Error(HWND dialog, const char* text, const char* caption = nullptr) {
    MessageBoxA(dialog, text, caption, MB_ICONERROR | MB_OK);
}

void Notice(HWND dialog, const char* text) {
    MessageBoxA(dialog, text, nullptr, MB_ICONINFORMATION | MB_OK);
}

// The three account fields, each cut to its buffer. The password is wiped
// when the operation that read it returns, on every path.
struct Account {
    char szServer[kFieldSize] = {};
    char szJmeno[kFieldSize] = {};
    char szHeslo[kFieldSize] = {};

    Account(HWND dialog, int serverId, int userId, int passwordId) {
        GetDlgItemTextA(dialog, serverId, szServer, kFieldSize);
        GetDlgItemTextA(dialog, userId, szJmeno, kFieldSize);
        GetDlgItemTextA(dialog, passwordId, szHeslo, kFieldSize);
    }
    ~Account() { SecureZeroMemory(szHeslo, sizeof szHeslo); }
    Account(const Account&) = delete;
    Account& operator=(const Account&) = delete;

    HINTERNET Connect(HINTERNET hInternet) const {
        return InternetConnectA(hInternet, szServer, INTERNET_DEFAULT_FTP_PORT, szJmeno, szHeslo,
                                INTERNET_SERVICE_FTP, 0, 0);
    }
};

// Connects with the dialog's account fields; null after the box that says why.
HINTERNET ConnectAccount(HWND dialog, HINTERNET hInternet, int serverId, int userId,
                         int passwordId) {
    if (hInternet == nullptr) {
        Error(dialog, kNotOpen);
        return nullptr;
    }
    const HINTERNET hConnected =
        Account(dialog, serverId, userId, passwordId).Connect(hInternet); // password wiped here
    if (hConnected == nullptr) {
        Error(dialog, kCannotConnect);
    }
    return hConnected;
}

// The shared steps of an upload and a download on a connection of their own:
// connect, enter the camera folder, `transfer`, disconnect. Returns whether
// everything succeeded; each failure has shown its box.
template <class Transfer>
bool OnOwnConnection(HWND dialog, HINTERNET hInternet, int serverId, int userId, int passwordId,
                     Transfer transfer) {
    base::InternetOwner hFtp(ConnectAccount(dialog, hInternet, serverId, userId, passwordId));
    if (!hFtp) {
        return false;
    }
    if (!FtpSetCurrentDirectoryA(hFtp.Get(), kCameraFolder)) {
        Error(dialog, "Nepodařilo se nastavit aktuální složku!");
        return false;
    }
    if (!transfer(hFtp.Get())) {
        return false;
    }
    if (!hFtp.Close()) {
        Error(dialog, kCannotDisconnect);
        return false;
    }
    return true;
}

// The folder and file operations: one platform call on the kept connection.
template <class Call>
bool OnKeptConnection(HWND dialog, HINTERNET hFtp, const char* failure, Call call) {
    if (hFtp == nullptr) {
        Error(dialog, "Není připojení k FTP!", "Chyba");
        return false;
    }
    if (!call()) {
        Error(dialog, failure, "Chyba");
        return false;
    }
    return true;
}

} // namespace

BOOL DialInternet(HWND dialog) {
    return InternetAutodial(INTERNET_AUTODIAL_FORCE_UNATTENDED, dialog);
}

BOOL HangUpInternet() {
    return InternetAutodialHangup(0);
}

void OpenInternet(HWND dialog, HINTERNET& hInternet, int statusId) {
    if (hInternet != nullptr) {
        return;
    }
    HINTERNET hOpened = InternetOpenA(kAgent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    if (hOpened == nullptr) {
        Error(dialog, "Nepodařilo se vytvořit připojení!");
        return;
    }
    hInternet = hOpened;
    SetDlgItemTextA(dialog, statusId, "Spojení otevřeno");
}

void CloseInternet(HWND dialog, HINTERNET& hInternet, int statusId) {
    if (hInternet == nullptr) {
        return;
    }
    if (!base::InternetOwner(hInternet).Close()) {
        Error(dialog, "Nepodařilo se zavřít připojení!");
        return;
    }
    SetDlgItemTextA(dialog, statusId, "Spojení zavřeno");
    hInternet = nullptr;
}

void CheckUrlAvailable(HWND dialog, HINTERNET hInternet, int urlId) {
    if (hInternet == nullptr) {
        Error(dialog, kNotOpen);
        return;
    }
    char szURL[kUrlSize] = {};
    GetDlgItemTextA(dialog, urlId, szURL, kUrlSize);
    if (lstrlenA(szURL) < 5) {
        Error(dialog, "Zadaná adresa není platná.");
        return;
    }
    const base::InternetOwner hUrl(InternetOpenUrlA(hInternet, szURL, nullptr, 0, 0, 0));
    if (!hUrl) {
        Error(dialog, "Zadaná adresa není dostupná!");
        return;
    }
    Notice(dialog, "Zadaná adresa je dostupná.");
}

void UploadSnapshot(HWND dialog, HINTERNET hInternet, int serverId, int userId, int passwordId) {
    const bool done =
        OnOwnConnection(dialog, hInternet, serverId, userId, passwordId, [dialog](HINTERNET hFtp) {
            if (!FtpPutFileA(hFtp, kPicturePath, kPictureName, FTP_TRANSFER_TYPE_BINARY, 0)) {
                Error(dialog, "Nepodařilo se přenést soubor na FTP!");
                return false;
            }
            return true;
        });
    if (done) {
        Notice(dialog, "Soubor přenesen");
    }
}

void DownloadSnapshot(HWND dialog, HINTERNET hInternet, int serverId, int userId, int passwordId) {
    const bool done =
        OnOwnConnection(dialog, hInternet, serverId, userId, passwordId, [dialog](HINTERNET hFtp) {
            // A failed delete leaves the fetched file in place.
            if (!FtpGetFileA(hFtp, kPictureName, kPicturePath, FALSE, 0, FTP_TRANSFER_TYPE_BINARY,
                             0) ||
                !FtpDeleteFileA(hFtp, kPictureName)) {
                Error(dialog, "Nepodařilo se stáhnout soubor na FTP!");
                return false;
            }
            return true;
        });
    if (done) {
        Notice(dialog, "Soubor úspěšně stažen a smazán z FTP!");
    }
}

bool ConnectFtp(HWND dialog, HINTERNET hInternet, HINTERNET& hFtp, int serverId, int userId,
                int passwordId) {
    if (hFtp != nullptr) {
        Notice(dialog, "Již je připojeno!");
        return true;
    }
    const HINTERNET hConnected = ConnectAccount(dialog, hInternet, serverId, userId, passwordId);
    if (hConnected == nullptr) {
        return false;
    }
    hFtp = hConnected;
    SetWindowTextA(dialog, "Připojen k FTP");
    return true;
}

bool DisconnectFtp(HWND dialog, HINTERNET& hFtp) {
    if (hFtp == nullptr) {
        Notice(dialog, "Již je odpojeno!");
        return true;
    }
    if (!base::InternetOwner(hFtp).Close()) {
        Error(dialog, kCannotDisconnect);
        return false;
    }
    hFtp = nullptr;
    SetWindowTextA(dialog, "Není připojen k FTP");
    return true;
}

bool CreateFtpFolder(HWND dialog, HINTERNET hFtp) {
    return OnKeptConnection(dialog, hFtp, "Nepodařilo se vytvořit složku na FTP!",
                            [hFtp] { return FtpCreateDirectoryA(hFtp, kFolderName) != FALSE; });
}

bool EnterFtpFolder(HWND dialog, HINTERNET hFtp) {
    return OnKeptConnection(dialog, hFtp, "Nepodařilo se nastavit složku!",
                            [hFtp] { return FtpSetCurrentDirectoryA(hFtp, kFolderName) != FALSE; });
}

bool RemoveFtpFolder(HWND dialog, HINTERNET hFtp) {
    return OnKeptConnection(dialog, hFtp, "Nepodařilo se odstranit složku na FTP!",
                            [hFtp] { return FtpRemoveDirectoryA(hFtp, kFolderName) != FALSE; });
}

bool RenameFtpFile(HWND dialog, HINTERNET hFtp) {
    return OnKeptConnection(dialog, hFtp, "Nepodařilo se přejmenovat soubor na FTP!", [hFtp] {
        return FtpRenameFileA(hFtp, kOldFileName, kNewFileName) != FALSE;
    });
}

} // namespace support
