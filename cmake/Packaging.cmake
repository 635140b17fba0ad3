# cpack in a build folder: on Debian a .deb of the three programs, the menu
# entry and the icon; in a Windows build a zip of its program folder.

set(CPACK_PACKAGE_NAME tomekit)
set(CPACK_PACKAGE_VENDOR "Tomekit")
set(CPACK_PACKAGE_CONTACT "Tomekit developers <tomekit@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "Move bibliographic references between reference managers and a Palm handheld")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_STRIP_FILES ON)
set(CPACK_VERBATIM_VARIABLES ON)

if(WIN32)
  # The zip is a program folder: unpacked anywhere the user may write, it
  # keeps its data beside the programs, README included.
  set(CPACK_GENERATOR ZIP)
  install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${TOMEKIT_INSTALL_PROGRAM_FOLDER})
else()
  set(CPACK_GENERATOR DEB)
  install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tomekit)
  # tomekit_<version>_<arch>.deb, as apt and dpkg name their own.
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION utils)
  # Shown below the summary, which cpack makes the first line.
  string(CONCAT CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Tomekit carries references between EndNote, Reference Manager and ProCite\n"
    "and JFile databases on Palm OS handhelds: a window, the batch front end\n"
    "tomekit-cli and the converter jconv5.")
  # The libraries the programs link are found by dpkg-shlibdeps. Qt loads its
  # platform plugins at run time, so the window's needs naming: libqt6gui6
  # only recommends them, and without them the window can't open.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  if(TOMEKIT_GUI)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
  endif()
endif()

include(CPack)
