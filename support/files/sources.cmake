# File, mapping and process utilities: the text rules everywhere, the Win32
# layer on Windows.
list(APPEND ZEMIT_SUPPORT_CORE_SOURCES ${CMAKE_CURRENT_LIST_DIR}/FileText.cpp)
list(APPEND ZEMIT_SUPPORT_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/LastError.cpp ${CMAKE_CURRENT_LIST_DIR}/FileFacts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ItemText.cpp ${CMAKE_CURRENT_LIST_DIR}/SharedFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Processes.cpp)
list(APPEND ZEMIT_SUPPORT_SYSTEM_LIBS comdlg32 oleaut32 ole32 uuid shell32 version gdi32 user32 kernel32)
