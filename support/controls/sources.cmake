# Painted controls: the elapsed-time text is window-free; the window classes
# paint with GDI and GDI+.
list(APPEND ZEMIT_SUPPORT_CORE_SOURCES ${CMAKE_CURRENT_LIST_DIR}/ElapsedTime.cpp)
list(APPEND ZEMIT_SUPPORT_SOURCES ${CMAKE_CURRENT_LIST_DIR}/Controls.cpp)
list(APPEND ZEMIT_SUPPORT_SYSTEM_LIBS zemit_program gdiplus gdi32 user32)
