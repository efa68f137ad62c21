# What `cmake --install` puts under the prefix: the command-line tool, its
# manual page, its bash completion and the editor files. The program itself
# is not installed on POSIX: it writes its files beside itself, so it runs
# where it is built. The Windows zip (cpack -G ZIP in a MinGW build) holds
# both executables.
include(GNUInstallDirs)

install(TARGETS compattatore-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES man/compattatore-cli.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES completion/compattatore-cli.bash
  DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME compattatore-cli)
install(DIRECTORY editors/vscode/ DESTINATION ${CMAKE_INSTALL_DATADIR}/compattatore/editors/vscode
  PATTERN node_modules EXCLUDE PATTERN .gitignore EXCLUDE)
install(FILES editors/neovim/compattatore.lua DESTINATION ${CMAKE_INSTALL_DATADIR}/compattatore/editors/neovim)

if(WIN32)
  # In the zip only: a plain `cmake --install` leaves the program out.
  install(TARGETS compattatore RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT programma EXCLUDE_FROM_ALL)
  # Each component installed on its own, all in the one zip.
  set(CPACK_COMPONENTS_ALL Unspecified programma)
  set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
  set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
  set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY ON)
endif()

set(CPACK_PACKAGE_NAME compattatore)
set(CPACK_PACKAGE_VENDOR compattatore)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Scenario compiler of the train-driving simulator")
set(CPACK_GENERATOR ZIP)
set(CPACK_SOURCE_GENERATOR "")
if(WIN32)
  set(CPACK_SYSTEM_NAME win64)
endif()
include(CPack)
