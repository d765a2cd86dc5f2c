// Network facilities of the support library: FTP over WinInet driven from a
// host dialog, an FTP login over plain sockets that logs to the standard
// output, and HTTP downloads into files.
#pragma once

// Winsock 2 must come before <windows.h>, which would bring in Winsock 1.
#include <winsock2.h>
#include <windows.h>
#include <wininet.h>

namespace support {

// --- FTP client over WinInet ----------------------------------------------
// Every operation but HangUpInternet takes the host dialog, which owns the
// boxes and receives the status texts. The host keeps the two handles.

BOOL DialInternet(HWND dialog);
BOOL HangUpInternet();
void OpenInternet(HWND dialog, HINTERNET& hInternet, int statusId);
void CloseInternet(HWND dialog, HINTERNET& hInternet, int statusId);
void CheckUrlAvailable(HWND dialog, HINTERNET hInternet, int urlId);
// Put "d:\snapshot.jpg" to "webcam/snapshot.jpg", or get it back and delete it
// on the server; each on a connection of its own.
void UploadSnapshot(HWND dialog, HINTERNET hInternet, int serverId, int userId, int passwordId);
void DownloadSnapshot(HWND dialog, HINTERNET hInternet, int serverId, int userId, int passwordId);
bool ConnectFtp(HWND dialog, HINTERNET hInternet, HINTERNET& hFtp, int serverId, int userId,
                int passwordId);
bool DisconnectFtp(HWND dialog, HINTERNET& hFtp);
// The folder "NovaSlozka" and the file "pix1.jpg" (renamed to "novy.jpg").
bool CreateFtpFolder(HWND dialog, HINTERNET hFtp);
bool EnterFtpFolder(HWND dialog, HINTERNET hFtp);
bool RemoveFtpFolder(HWND dialog, HINTERNET hFtp);
bool RenameFtpFile(HWND dialog, HINTERNET hFtp);

// --- FTP login over sockets ------------------------------------------------
// The host initialises Winsock first. Failures of a send, a receive or a
// reply print their line and end the process with exit status -1.

constexpr int kCommandBufferSize = 204800;
extern char SendBuffer[kCommandBufferSize];
extern char ReplyBuffer[kCommandBufferSize];
extern int EchoReplies;                   // 1: every reply is printed between "<==" lines
extern const char* const kPassiveCommand; // "PASV\r\n", not sent by the login

// The new socket, or 0 when it cannot be created.
SOCKET CreateTcpSocket();
// 1 when connected; -1 when the name does not resolve (the socket stays open)
// or the connection fails (the socket is closed).
int ConnectTcp(SOCKET socket, const char* host, int port);
int SendCommand(const char* label, SOCKET socket, const char* data, int length);
int ReceiveReply(const char* label, SOCKET socket, char* buffer, int size);
void CheckReply(const char* reply);
void FtpLogin(SOCKET socket, const char* user, const char* password);

// --- HTTP download to file -------------------------------------------------

// Saves the body of `url`, whatever the HTTP status, into `path` (replaced if
// it exists) and confirms with the box "Stránka stažena". Returns false after
// an error box when the URL cannot be opened (no file is made), the file
// cannot be created, or a read or write fails part-way (the partial file is
// removed, as the page fetch returns nothing for a page cut short).
bool DownloadPageToFile(HWND owner, const char* url, const char* path);
// The same for the URL in the dialog's edit control (at most 259 characters),
// saved as "stazena_stranka.txt" in the current directory.
bool DownloadPageFromField(HWND dialog, int urlId);
// The site's picture, saved as "d:\stazeno.jpg".
bool DownloadPicture(HWND owner);
// The same from another address (a host with another site, tests).
bool DownloadPictureFrom(HWND owner, const char* url);

// The site's address followed by "//img//email.jpg" (PictureUrl.cpp).
extern const char kPictureUrl[];

} // namespace support
