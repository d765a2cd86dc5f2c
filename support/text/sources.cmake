# Text and control helpers: the text rules everywhere, the control operations
# on Windows (they work on the program's ControlBinding).
list(APPEND ZEMIT_SUPPORT_CORE_SOURCES ${CMAKE_CURRENT_LIST_DIR}/TextRules.cpp)
list(APPEND ZEMIT_SUPPORT_SOURCES ${CMAKE_CURRENT_LIST_DIR}/Text.cpp)
list(APPEND ZEMIT_SUPPORT_SYSTEM_LIBS zemit_program user32 kernel32)
