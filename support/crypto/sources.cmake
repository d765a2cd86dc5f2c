# File encryption: the .dat0 layout everywhere, the CryptoAPI layer on Windows.
list(APPEND ZEMIT_SUPPORT_CORE_SOURCES ${CMAKE_CURRENT_LIST_DIR}/Dat0Layout.cpp)
list(APPEND ZEMIT_SUPPORT_SOURCES ${CMAKE_CURRENT_LIST_DIR}/Crypto.cpp)
list(APPEND ZEMIT_SUPPORT_SYSTEM_LIBS advapi32 user32 kernel32)
