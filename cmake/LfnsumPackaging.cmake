# LfnsumPackaging.cmake: install rules and packages: a .deb of the native build, and a .zip
# that holds lfnsum.exe and its README for Windows.
include(GNUInstallDirs)

if(WIN32)
  install(TARGETS lfnsum RUNTIME DESTINATION .)
  # Windows' Notepad and type want CR LF line ends.
  configure_file("${PROJECT_SOURCE_DIR}/doc/README-windows.txt"
                 "${PROJECT_BINARY_DIR}/README.txt" @ONLY NEWLINE_STYLE CRLF)
  install(FILES "${PROJECT_BINARY_DIR}/README.txt" DESTINATION .)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_SYSTEM_NAME windows-x86_64)
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
else()
  install(TARGETS lfnsum RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
  # Debian's policy wants manual pages compressed, reproducibly (no name or time stamp).
  find_program(LFNSUM_GZIP gzip)
  if(LFNSUM_GZIP)
    add_custom_command(OUTPUT lfnsum.1.gz
      COMMAND "${LFNSUM_GZIP}" -9nc "${PROJECT_SOURCE_DIR}/doc/lfnsum.1" > lfnsum.1.gz
      DEPENDS "${PROJECT_SOURCE_DIR}/doc/lfnsum.1" VERBATIM)
    add_custom_target(lfnsum_manual ALL DEPENDS lfnsum.1.gz)
    install(FILES "${PROJECT_BINARY_DIR}/lfnsum.1.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
  else()
    install(FILES doc/lfnsum.1 DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
  endif()
  set(CPACK_GENERATOR DEB)
endif()

set(CPACK_PACKAGE_NAME lfnsum)
set(CPACK_PACKAGE_VENDOR "the lfnsum project")
set(CPACK_PACKAGE_CONTACT "the lfnsum authors <lfnsum@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "checksum of an 8.3 short name, as FAT long-name entries store it")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION_SUMMARY}
 lfnsum computes the one-byte checksum that every FAT long-file-name
 directory entry stores to tie it to its 8.3 short-name entry, from a name
 given on the command line, and can teach the computation step by step.")
set(CPACK_PACKAGE_HOMEPAGE_URL "${PROJECT_HOMEPAGE_URL}")
set(CPACK_PACKAGE_CHECKSUM SHA256)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY "${PROJECT_BINARY_DIR}/packages")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The release executable is static; a dynamic build needs what dpkg-shlibdeps finds.
if(NOT LFNSUM_STATIC)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()
include(CPack)
