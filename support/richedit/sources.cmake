# Rich Edit utilities and RTF files; the character format that FormatSelection
# sends is composed window-free.
list(APPEND ZEMIT_SUPPORT_CORE_SOURCES ${CMAKE_CURRENT_LIST_DIR}/SelectionFormat.cpp)
list(APPEND ZEMIT_SUPPORT_SOURCES ${CMAKE_CURRENT_LIST_DIR}/RichEdit.cpp)
list(APPEND ZEMIT_SUPPORT_SYSTEM_LIBS zemit_program comdlg32 user32 kernel32)
