# Read by cpack once for each package it makes.
if(CPACK_GENERATOR STREQUAL "DEB")
  # The Debian package also carries the files that only Debian's tools read
  # (the install component "deb"), which neither cmake --install nor the
  # tarball installs.
  list(SUBLIST CPACK_INSTALL_CMAKE_PROJECTS 0 2 build_and_project)
  list(APPEND CPACK_INSTALL_CMAKE_PROJECTS ${build_and_project} deb /)

  # The package's version is that of the changelog's latest entry, which
  # must be for this version of the program.
  file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/deb/changelog latest LIMIT_COUNT 1)
  if(NOT latest MATCHES "^hbpins \\(([^ )]+)-([^ )-]+)\\) ")
    message(FATAL_ERROR "packaging/deb/changelog: no version on the first line: ${latest}")
  endif()
  if(NOT CMAKE_MATCH_1 STREQUAL CPACK_PACKAGE_VERSION)
    message(FATAL_ERROR "packaging/deb/changelog: the latest entry is for ${CMAKE_MATCH_1}, \
the program is ${CPACK_PACKAGE_VERSION}: add an entry for ${CPACK_PACKAGE_VERSION}-1")
  endif()
  set(CPACK_DEBIAN_PACKAGE_RELEASE ${CMAKE_MATCH_2})
endif()
