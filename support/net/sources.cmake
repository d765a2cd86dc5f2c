# Network facilities: FTP over WinInet, the socket FTP login, HTTP downloads.
# The picture's address is generated from the one build-time site address.
configure_file(${CMAKE_CURRENT_LIST_DIR}/PictureAddress.h.in
               ${CMAKE_BINARY_DIR}/generated/support/net/PictureAddress.h @ONLY)
list(APPEND ZEMIT_SUPPORT_CORE_SOURCES ${CMAKE_CURRENT_LIST_DIR}/FtpLoginText.cpp)
list(APPEND ZEMIT_SUPPORT_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/FtpClient.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FtpLogin.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HttpDownload.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PictureUrl.cpp)
list(APPEND ZEMIT_SUPPORT_SYSTEM_LIBS wininet urlmon ws2_32 user32 kernel32)
