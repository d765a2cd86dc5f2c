# Wine environment shared by every script that starts a Windows program.
# Source it after setting WINEPREFIX.
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=d;mshtml=d"
# The ANSI code page 1250 comes from the Czech locale.
export LANG=cs_CZ.UTF-8
export LC_ALL=cs_CZ.UTF-8
