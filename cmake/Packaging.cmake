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
  # keeps its data beside the programs, README included. The installer puts
  # the same folder into Program Files, which a user can't write, so there
  # the data go to %APPDATA%\Tomekit; its uninstaller removes only what it
  # installed and leaves them.
  set(CPACK_GENERATOR ZIP NSIS)
  install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${TOMEKIT_INSTALL_PROGRAM_FOLDER})
  set(CPACK_NSIS_PACKAGE_NAME Tomekit)
  set(CPACK_NSIS_DISPLAY_NAME Tomekit)
  set(CPACK_PACKAGE_INSTALL_DIRECTORY Tomekit)
  set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Tomekit)
  set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
  # The Start menu entry: the window, in the program folder's top.
  set(CPACK_PACKAGE_EXECUTABLES tomekit Tomekit)
  set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
  set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
  # The programs are 64-bit: so is the installer, which a 64-bit Wine can
  # also run. makensis makes 32-bit ones unless told.
  set(CPACK_NSIS_DEFINES "Target amd64-unicode")
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
