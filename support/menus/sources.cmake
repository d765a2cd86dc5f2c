# Menu utilities and the owner-drawn colour menu (the text colour rule is a
# header of its own, window-free).
list(APPEND ZEMIT_SUPPORT_SOURCES ${CMAKE_CURRENT_LIST_DIR}/Menus.cpp)
list(APPEND ZEMIT_SUPPORT_SYSTEM_LIBS zemit_program comdlg32 gdi32 user32)
