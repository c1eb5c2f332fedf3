# Installs Tarnwick as a desktop program: the executable with its syntax table
# and help file beside it (the program looks for both beside itself) under
# lib/tarnwick, a link in bin, the desktop entry, the icons and the .vbs type.
# `cpack -G DEB` turns the same layout into a Debian package.
include(GNUInstallDirs)
set(TARNWICK_INSTALL_DIR ${CMAKE_INSTALL_LIBDIR}/tarnwick)

install(TARGETS tarnwick RUNTIME DESTINATION ${TARNWICK_INSTALL_DIR})
install(FILES ${TARNWICK_SYNTAX_INI} DESTINATION ${TARNWICK_INSTALL_DIR})
install(FILES "${TARNWICK_HELP_FILE}" DESTINATION ${TARNWICK_INSTALL_DIR} OPTIONAL)
# The Windows console host that runs scripts under Wine, when it was built.
if(TARNWICK_HOST_EXE)
  install(PROGRAMS ${TARNWICK_HOST_EXE} DESTINATION ${TARNWICK_INSTALL_DIR})
endif()
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
install(FILES ${linux_data}/org.example.tarnwick.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The papers Debian asks of every package: the copyright file, the changelog
# made from CHANGELOG.md and the manual page, both compressed as Debian wants
# (gzip -9n: no name or time inside, so a rebuild gives the same bytes).
set(TARNWICK_MAINTAINER "Tarnwick <feedback@tarnwick.example.org>")
find_program(GZIP_PROGRAM gzip REQUIRED)
set(papers ${CMAKE_BINARY_DIR}/papers)
add_custom_command(
  OUTPUT ${papers}/changelog.gz
  COMMAND ${CMAKE_COMMAND} -DCHANGELOG=${PROJECT_SOURCE_DIR}/CHANGELOG.md -DOUTPUT=${papers}/changelog
          -DPACKAGE=tarnwick -DMAINTAINER=${TARNWICK_MAINTAINER} -P ${PROJECT_SOURCE_DIR}/cmake/DebianChangelog.cmake
  COMMAND ${GZIP_PROGRAM} -9nf ${papers}/changelog
  DEPENDS ${PROJECT_SOURCE_DIR}/CHANGELOG.md ${PROJECT_SOURCE_DIR}/cmake/DebianChangelog.cmake
  COMMENT "Making the package's changelog from CHANGELOG.md"
  VERBATIM)
add_custom_command(
  OUTPUT ${papers}/tarnwick.1.gz
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/docs/tarnwick.1 ${papers}/tarnwick.1
  COMMAND ${GZIP_PROGRAM} -9nf ${papers}/tarnwick.1
  DEPENDS ${PROJECT_SOURCE_DIR}/docs/tarnwick.1
  COMMENT "Compressing the manual page"
  VERBATIM)
add_custom_target(tarnwick_papers ALL DEPENDS ${papers}/changelog.gz ${papers}/tarnwick.1.gz)
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/tarnwick)
install(FILES ${linux_data}/copyright ${papers}/changelog.gz DESTINATION ${doc_dir})
install(FILES ${papers}/tarnwick.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_PACKAGE_NAME tarnwick)
set(CPACK_PACKAGE_VENDOR "Tarnwick")
set(CPACK_PACKAGE_CONTACT "${TARNWICK_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Editor for VBScript files with colouring, completion and a script runner")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://tarnwick.example.org/")
# The Qt, chmlib and simdjson libraries it links, found by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "shared-mime-info, desktop-file-utils")
# Scripts run through Wine where Windows has no part; the editor works without it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "wine, wine64, fonts-liberation, fonts-dejavu-core")
# Below the summary line, in lines of at most 80 characters; CPack puts the
# summary above it and marks the empty line between the paragraphs.
string(JOIN "\n" CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Tarnwick is a desktop editor for VBScript files, one script at a time."
  "While you write, it colours and tidies each line you leave, completes the"
  "members of the scripting objects a script creates (FileSystemObject,"
  "WScript.Shell, WScript.Network and the objects they hand out) and shows the"
  "parameters of the call being typed."
  ""
  "Scripts run through wscript or cscript, through Wine on Linux; an output pane"
  "shows cscript's output and links its error lines to the script. Scripts are"
  "kept byte for byte as Windows-1252 text with CR LF line breaks.")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
include(CPack)
