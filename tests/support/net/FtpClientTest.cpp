// The WinInet FTP operations, hosted by the FTP account dialog, against a
// pyftpdlib server on its own loopback address, port 21, with drive D: linked
// to a folder of the test.
#include "support/net/Net.h"

#include "Files.h"
#include "HostWindow.h"
#include "BoxChecks.h"
#include "PageServer.h"
#include "Wait.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

using namespace testsupport;
using namespace std::string_literals;

namespace {

constexpr int kStatusId = 4100;
const char* const kLocalPicture = "d:\\snapshot.jpg";
const char* const kLongUser = "uzivatel_s_dlouhym_jmenem_29z";
const char* const kLongPassword = "heslo_ktere_ma_presne_29_znak";

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : value;
}

// Every byte value, CR LF and zero bytes among them.
std::string Picture() {
    std::string bytes = "\xff\xd8\xff\xe0\r\n\0\0\n\r"s;
    for (int i = 0; i < 4096; ++i) {
        bytes += static_cast<char>(i % 256);
    }
    return bytes;
}

INT_PTR CALLBACK PlainDialog(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

class FtpClient : public ::testing::Test {
  protected:
    void SetUp() override {
        address_ = Environment("ZEMIT_TEST_FTP_ADDRESS");
        root_ = Environment("ZEMIT_TEST_FTP_ROOT");
        ASSERT_FALSE(address_.empty() || root_.empty())
            << "run through with-server.sh ftp_server.py";
        ASSERT_FALSE(Environment("ZEMIT_TEST_DRIVE_D").empty()) << "run through with-drive-d.sh";
        // A fresh server folder for each test, with the camera folder in it.
        RemoveTree(root_ + "\\webcam");
        RemoveTree(root_ + "\\NovaSlozka");
        DeleteFileA((root_ + "\\pix1.jpg").c_str());
        DeleteFileA((root_ + "\\novy.jpg").c_str());
        ASSERT_TRUE(CreateDirectoryA((root_ + "\\webcam").c_str(), nullptr));
        DeleteFileA(kLocalPicture);
        dialog_ = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_FTP_ACCOUNT),
                                     nullptr, PlainDialog, 0);
        ASSERT_NE(dialog_, nullptr);
        CreateChild(dialog_, "STATIC", "", WS_VISIBLE, 0, 0, 100, 10, kStatusId);
        SetAccount(address_, "zemit", "heslo");
    }
    void TearDown() override {
        if (hFtp_ != nullptr) {
            InternetCloseHandle(hFtp_);
        }
        if (hInternet_ != nullptr) {
            InternetCloseHandle(hInternet_);
        }
        DestroyWindow(dialog_);
        DeleteFileA(kLocalPicture);
    }

    void SetAccount(const std::string& server, const std::string& user,
                    const std::string& password) {
        SetDlgItemTextA(dialog_, IDC_FTP_HOST, server.c_str());
        SetDlgItemTextA(dialog_, IDC_FTP_USER, user.c_str());
        SetDlgItemTextA(dialog_, IDC_FTP_PASSWORD, password.c_str());
    }
    void Open() {
        const MessageBoxWatcher watcher;
        support::OpenInternet(dialog_, hInternet_, kStatusId);
        ASSERT_NE(hInternet_, nullptr);
        ExpectNoBox(watcher.boxes(), "open");
    }
    void Upload() {
        support::UploadSnapshot(dialog_, hInternet_, IDC_FTP_HOST, IDC_FTP_USER, IDC_FTP_PASSWORD);
    }
    void Download() {
        support::DownloadSnapshot(dialog_, hInternet_, IDC_FTP_HOST, IDC_FTP_USER,
                                  IDC_FTP_PASSWORD);
    }
    bool Connect() {
        return support::ConnectFtp(dialog_, hInternet_, hFtp_, IDC_FTP_HOST, IDC_FTP_USER,
                                   IDC_FTP_PASSWORD);
    }
    std::string ServerPicture() const { return root_ + "\\webcam\\snapshot.jpg"; }
    std::string Title() const { return WindowText(dialog_); }
    std::string Status() const { return WindowText(GetDlgItem(dialog_, kStatusId)); }

    std::string address_, root_;
    HWND dialog_ = nullptr;
    HINTERNET hInternet_ = nullptr;
    HINTERNET hFtp_ = nullptr;
};

TEST_F(FtpClient, OpenAndCloseShowTheStatusAndLeaveASetHandleAlone) {
    {
        const MessageBoxWatcher watcher;
        EXPECT_TRUE(support::DialInternet(dialog_));
        EXPECT_TRUE(support::HangUpInternet());
        ExpectNoBox(watcher.boxes(), "dial and hang up");
    }
    Open();
    EXPECT_EQ(Status(), "Spojení otevřeno");
    const HINTERNET first = hInternet_;
    SetDlgItemTextA(dialog_, kStatusId, "");
    {
        const MessageBoxWatcher watcher;
        support::OpenInternet(dialog_, hInternet_, kStatusId);
        EXPECT_EQ(hInternet_, first);
        EXPECT_EQ(Status(), "");
        ExpectNoBox(watcher.boxes(), "second open");
    }
    const MessageBoxWatcher watcher;
    support::CloseInternet(dialog_, hInternet_, kStatusId);
    EXPECT_EQ(hInternet_, nullptr);
    EXPECT_EQ(Status(), "Spojení zavřeno");
    SetDlgItemTextA(dialog_, kStatusId, "");
    support::CloseInternet(dialog_, hInternet_, kStatusId);
    EXPECT_EQ(Status(), "");
    ExpectNoBox(watcher.boxes(), "close");
}

TEST_F(FtpClient, UploadThenDownloadKeepEveryByteAndDeleteOnTheServer) {
    const std::string picture = Picture();
    ASSERT_TRUE(WriteFileBytes(kLocalPicture, picture));
    Open();
    {
        const MessageBoxWatcher watcher;
        Upload();
        ExpectOneBox(watcher.boxes(), "Soubor přenesen", nullptr, dialog_, IDI_ASTERISK, "upload");
    }
    EXPECT_TRUE(ReadFileBytes(ServerPicture()) == picture);
    // An existing local picture, longer than the one on the server, is replaced.
    ASSERT_TRUE(WriteFileBytes(kLocalPicture, std::string(10000, 'o')));
    {
        const MessageBoxWatcher watcher;
        Download();
        ExpectOneBox(watcher.boxes(), "Soubor úspěšně stažen a smazán z FTP!", nullptr, dialog_,
                     IDI_ASTERISK, "download");
    }
    EXPECT_TRUE(ReadFileBytes(kLocalPicture) == picture);
    EXPECT_FALSE(FileExists(ServerPicture()));
}

TEST_F(FtpClient, TransferFailuresEachShowTheirBox) {
    struct Case {
        const char* what;
        bool open;
        const char* user;
        const char* password;
        bool cameraFolder, localPicture, serverPicture, upload;
        const char* text;
    };
    const Case cases[] = {
        {"upload, not open", false, "zemit", "heslo", true, true, false, true,
         "Není otevřené připojení!"},
        {"download, not open", false, "zemit", "heslo", true, false, true, false,
         "Není otevřené připojení!"},
        {"upload, wrong password", true, "zemit", "spatne", true, true, false, true,
         "Nepodařilo se připojit k serveru!"},
        {"download, wrong password", true, "zemit", "spatne", true, false, true, false,
         "Nepodařilo se připojit k serveru!"},
        {"upload, no camera folder", true, "zemit", "heslo", false, true, false, true,
         "Nepodařilo se nastavit aktuální složku!"},
        {"download, no camera folder", true, "zemit", "heslo", false, false, false, false,
         "Nepodařilo se nastavit aktuální složku!"},
        {"upload, no local picture", true, "zemit", "heslo", true, false, false, true,
         "Nepodařilo se přenést soubor na FTP!"},
        {"download, no server picture", true, "zemit", "heslo", true, false, false, false,
         "Nepodařilo se stáhnout soubor na FTP!"},
    };
    for (const Case& c : cases) {
        if (c.open && hInternet_ == nullptr) {
            Open();
        }
        if (!c.open && hInternet_ != nullptr) {
            support::CloseInternet(dialog_, hInternet_, kStatusId);
        }
        SetAccount(address_, c.user, c.password);
        RemoveTree(root_ + "\\webcam");
        if (c.cameraFolder) {
            ASSERT_TRUE(CreateDirectoryA((root_ + "\\webcam").c_str(), nullptr));
        }
        if (c.serverPicture) {
            ASSERT_TRUE(WriteFileBytes(ServerPicture(), "jpeg"));
        }
        DeleteFileA(kLocalPicture);
        if (c.localPicture) {
            ASSERT_TRUE(WriteFileBytes(kLocalPicture, "jpeg"));
        }
        const MessageBoxWatcher watcher;
        if (c.upload) {
            Upload();
        } else {
            Download();
        }
        ExpectOneBox(watcher.boxes(), c.text, nullptr, dialog_, IDI_HAND, c.what);
        if (c.upload) {
            EXPECT_FALSE(FileExists(ServerPicture())) << c.what;
        }
    }
}

TEST_F(FtpClient, FailedDeleteReportsTheDownloadFailedAndKeepsTheFetchedFile) {
    ASSERT_TRUE(WriteFileBytes(ServerPicture(), "\0jpeg\r\n"s));
    SetAccount(address_, "nodelete", "heslo");
    Open();
    const MessageBoxWatcher watcher;
    Download();
    ExpectOneBox(watcher.boxes(), "Nepodařilo se stáhnout soubor na FTP!", nullptr, dialog_,
                 IDI_HAND, "download without delete permission");
    EXPECT_EQ(ReadFileBytes(kLocalPicture), "\0jpeg\r\n"s);
    EXPECT_TRUE(FileExists(ServerPicture()));
}

TEST_F(FtpClient, ConnectAndDisconnectKeepTheHandleAndTitle) {
    {
        const MessageBoxWatcher watcher;
        EXPECT_FALSE(Connect());
        EXPECT_EQ(hFtp_, nullptr);
        ExpectOneBox(watcher.boxes(), "Není otevřené připojení!", nullptr, dialog_, IDI_HAND,
                     "not open");
    }
    Open();
    SetAccount(address_, "zemit", "spatne");
    {
        const MessageBoxWatcher watcher;
        EXPECT_FALSE(Connect());
        EXPECT_EQ(hFtp_, nullptr);
        EXPECT_EQ(Title(), "FTP accoutn");
        ExpectOneBox(watcher.boxes(), "Nepodařilo se připojit k serveru!", nullptr, dialog_,
                     IDI_HAND, "wrong password");
    }
    SetAccount(address_, "zemit", "heslo");
    {
        const MessageBoxWatcher watcher;
        EXPECT_TRUE(Connect());
        EXPECT_NE(hFtp_, nullptr);
        EXPECT_EQ(Title(), "Připojen k FTP");
        ExpectNoBox(watcher.boxes(), "connect");
    }
    const HINTERNET connected = hFtp_;
    {
        const MessageBoxWatcher watcher;
        EXPECT_TRUE(Connect());
        EXPECT_EQ(hFtp_, connected);
        ExpectOneBox(watcher.boxes(), "Již je připojeno!", nullptr, dialog_, IDI_ASTERISK, "again");
    }
    {
        const MessageBoxWatcher watcher;
        EXPECT_TRUE(support::DisconnectFtp(dialog_, hFtp_));
        EXPECT_EQ(hFtp_, nullptr);
        EXPECT_EQ(Title(), "Není připojen k FTP");
        ExpectNoBox(watcher.boxes(), "disconnect");
    }
    const MessageBoxWatcher watcher;
    EXPECT_TRUE(support::DisconnectFtp(dialog_, hFtp_));
    ExpectOneBox(watcher.boxes(), "Již je odpojeno!", nullptr, dialog_, IDI_ASTERISK,
                 "disconnected");
}

TEST_F(FtpClient, FieldsLongerThan29CharactersAreCut) {
    Open();
    // The server knows the 29-character name and password only.
    SetAccount(address_, kLongUser + "_navic"s, kLongPassword + "_navic"s);
    const MessageBoxWatcher watcher;
    EXPECT_TRUE(Connect());
    ExpectNoBox(watcher.boxes(), "long fields");
}

TEST_F(FtpClient, FolderAndFileOperationsOnTheKeptConnection) {
    using Operation = bool (*)(HWND, HINTERNET);
    struct Step {
        const char* what;
        Operation operation;
        bool result;
        const char* failure; // the box on failure
    };
    const char* const create = "Nepodařilo se vytvořit složku na FTP!";
    const char* const enter = "Nepodařilo se nastavit složku!";
    const char* const remove = "Nepodařilo se odstranit složku na FTP!";
    const char* const rename = "Nepodařilo se přejmenovat soubor na FTP!";
    ASSERT_TRUE(WriteFileBytes(root_ + "\\pix1.jpg", "pix"));
    Open();
    ASSERT_TRUE(Connect());
    const Step steps[] = {
        {"create", support::CreateFtpFolder, true, create},
        {"create again", support::CreateFtpFolder, false, create},
        {"remove", support::RemoveFtpFolder, true, remove},
        {"remove again", support::RemoveFtpFolder, false, remove},
        {"enter a missing folder", support::EnterFtpFolder, false, enter},
        {"rename", support::RenameFtpFile, true, rename},
        {"rename again", support::RenameFtpFile, false, rename},
        {"create to enter", support::CreateFtpFolder, true, create},
        {"enter", support::EnterFtpFolder, true, enter},
    };
    for (const Step& step : steps) {
        const MessageBoxWatcher watcher;
        EXPECT_EQ(step.operation(dialog_, hFtp_), step.result) << step.what;
        if (step.result) {
            ExpectNoBox(watcher.boxes(), step.what);
        } else {
            ExpectOneBox(watcher.boxes(), step.failure, "Chyba", dialog_, IDI_HAND, step.what);
        }
    }
    EXPECT_TRUE(FileExists(root_ + "\\novy.jpg"));
    EXPECT_FALSE(FileExists(root_ + "\\pix1.jpg"));
    EXPECT_NE(GetFileAttributesA((root_ + "\\NovaSlozka").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(FtpClient, FolderAndFileOperationsWithoutConnectionOnlyReport) {
    using Operation = bool (*)(HWND, HINTERNET);
    const Operation operations[] = {support::CreateFtpFolder, support::EnterFtpFolder,
                                    support::RemoveFtpFolder, support::RenameFtpFile};
    for (const Operation operation : operations) {
        const MessageBoxWatcher watcher;
        EXPECT_FALSE(operation(dialog_, nullptr));
        ExpectOneBox(watcher.boxes(), "Není připojení k FTP!", "Chyba", dialog_, IDI_HAND,
                     "without connection");
    }
}

TEST_F(FtpClient, UrlCheckNeedsAnOpenHandleAndFiveCharacters) {
    const int urlId = IDC_FTP_HOST; // any edit of the dialog will do
    struct Case {
        std::string url;
        const char* text;
        LPCSTR icon;
    };
    const std::string available = pageserver::BodyUrl("ok");
    const Case cases[] = {
        {"abcd", "Zadaná adresa není platná.", IDI_HAND},
        {"", "Zadaná adresa není platná.", IDI_HAND},
        {"abcde", "Zadaná adresa není dostupná!", IDI_HAND},
        {pageserver::ClosedUrl() + "/", "Zadaná adresa není dostupná!", IDI_HAND},
        {available, "Zadaná adresa je dostupná.", IDI_ASTERISK},
    };
    {
        SetDlgItemTextA(dialog_, urlId, available.c_str());
        const MessageBoxWatcher watcher;
        support::CheckUrlAvailable(dialog_, nullptr, urlId);
        ExpectOneBox(watcher.boxes(), "Není otevřené připojení!", nullptr, dialog_, IDI_HAND,
                     "not open");
    }
    Open();
    for (const Case& c : cases) {
        SetDlgItemTextA(dialog_, urlId, c.url.c_str());
        const MessageBoxWatcher watcher;
        support::CheckUrlAvailable(dialog_, hInternet_, urlId);
        ExpectOneBox(watcher.boxes(), c.text, nullptr, dialog_, c.icon, c.url);
    }
}

} // namespace
