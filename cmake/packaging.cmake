# The Debian package of the Linux program, made by CPack's DEB generator from the install
# rules (`make package` runs it; see scripts/make-package.sh). Its dependencies are the ones
# dpkg-shlibdeps finds in the program; the files are owned by root and the program stripped.
set(SLUMBRIX_MAINTAINER "The Slumbrix developers <slumbrix@users.noreply.github.com>")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME slumbrix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${SLUMBRIX_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "timer that shuts down, restarts, suspends or locks the computer")
set(CPACK_PACKAGE_DESCRIPTION [=[
Slumbrix performs one system action at a moment you choose: it shuts the
computer down, restarts it, logs off, suspends it, starts the screen saver
or locks the session, after a period, at a clock time, or as soon as the
processor load falls below a threshold.

It lives in the tray, counts the seconds down in its window, shows the
processor load as a figure and a graph, and ends once the action has been
taken. The actions are requests to logind and to the desktop's screen saver
over D-Bus. It keeps no settings and no files.]=])

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/slumbrix/slumbrix)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window is laid out in Arial and MS Sans Serif; these are their metric stand-ins.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)

# The texts of the Windows zip, with the line ends Notepad shows; scripts/make-package.sh puts
# them beside the two programs of the mingw presets.
set(SLUMBRIX_ZIP_TEXTS ${CMAKE_BINARY_DIR}/windows-zip)
configure_file(${PROJECT_SOURCE_DIR}/data/windows/README.txt.in ${SLUMBRIX_ZIP_TEXTS}/README.txt
  @ONLY NEWLINE_STYLE CRLF)
configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${SLUMBRIX_ZIP_TEXTS}/LICENSE.txt
  @ONLY NEWLINE_STYLE CRLF)
configure_file(${PROJECT_SOURCE_DIR}/THIRD-PARTY.txt ${SLUMBRIX_ZIP_TEXTS}/THIRD-PARTY.txt
  @ONLY NEWLINE_STYLE CRLF)
file(WRITE ${SLUMBRIX_ZIP_TEXTS}/version ${PROJECT_VERSION})
