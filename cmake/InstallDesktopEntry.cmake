# Runs at install time: puts QUDO's menu entry and icon where the desktop of
# the installing user finds them ($XDG_DATA_HOME, or ~/.local/share), with the
# program's path under the install prefix. Both are listed in
# install_manifest.txt, so that they are removed with the rest.
if(DEFINED ENV{XDG_DATA_HOME} AND NOT "$ENV{XDG_DATA_HOME}" STREQUAL "")
    set(data_home "$ENV{XDG_DATA_HOME}")
else()
    set(data_home "$ENV{HOME}/.local/share")
endif()
if(QUDO_DESKTOP_DATA_DIR)
    set(data_home "${QUDO_DESKTOP_DATA_DIR}")
endif()

set(QUDO_FOLDER "${CMAKE_INSTALL_PREFIX}")
set(QUDO_EXECUTABLE "${CMAKE_INSTALL_PREFIX}/qudo")
configure_file("${QUDO_DESKTOP_SOURCE}/qudo.desktop.in" "${QUDO_DESKTOP_BINARY}/qudo.desktop" @ONLY)
file(INSTALL "${QUDO_DESKTOP_BINARY}/qudo.desktop" DESTINATION "${data_home}/applications")
file(INSTALL "${QUDO_DESKTOP_SOURCE}/qudo.svg" DESTINATION "${data_home}/icons/hicolor/scalable/apps")
