# Installs Tarnwick as a desktop program: the executable with its syntax table
# and help file beside it (the program looks for both beside itself) under
# lib/tarnwick, a link in bin, the desktop entry, the icons and the .vbs type.
# `cpack -G DEB` turns the same layout into a Debian package.
include(GNUInstallDirs)
set(TARNWICK_INSTALL_DIR ${CMAKE_INSTALL_LIBDIR}/tarnwick)

install(TARGETS tarnwick RUNTIME DESTINATION ${TARNWICK_INSTALL_DIR})
install(FILES ${TARNWICK_SYNTAX_INI} DESTINATION ${TARNWICK_INSTALL_DIR})
install(FILES "${TARNWICK_HELP_FILE}" DESTINATION ${TARNWICK_INSTALL_DIR} OPTIONAL)
install(CODE "
  file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
  file(CREATE_LINK ../${TARNWICK_INSTALL_DIR}/tarnwick
       \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/tarnwick\" SYMBOLIC)")

set(linux_data ${PROJECT_SOURCE_DIR}/data/linux)
install(FILES ${linux_data}/tarnwick.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${linux_data}/tarnwick-vbscript.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${linux_data}/tarnwick.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${linux_data}/icons/${size}x${size}/tarnwick.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

set(CPACK_PACKAGE_NAME tarnwick)
set(CPACK_PACKAGE_VENDOR "Tarnwick")
set(CPACK_PACKAGE_CONTACT "Tarnwick <feedback@tarnwick.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Editor for VBScript files with colouring, completion and a script runner")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://tarnwick.example.org/")
# The Qt and chmlib libraries it links, found by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "shared-mime-info, desktop-file-utils")
# Scripts run through Wine where Windows has no part; the editor works without it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "wine, wine64, fonts-liberation, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Tarnwick colours and tidies VBScript as you type, completes the members of \
the scripting objects a script creates, shows parameter tips, and runs the script through wscript or \
cscript (through Wine on Linux).")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
include(CPack)
