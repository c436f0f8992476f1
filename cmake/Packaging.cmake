# Installation layout and the Debian package.
include(GNUInstallDirs)

install(TARGETS vandrel vandrel-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/resources/vandrel.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/app.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/16x16/apps RENAME vandrel.png)
install(FILES ${PROJECT_SOURCE_DIR}/resources/app32.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps RENAME vandrel.png)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vandrel)
set(CPACK_PACKAGE_VENDOR "Vandrel gas project")
set(CPACK_PACKAGE_CONTACT "Vandrel gas project <vandrel@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Interactive demonstration of the Vandrel model gas")
set(CPACK_PACKAGE_DESCRIPTION
    "Electrons fly through a square lattice of hard-disc atoms and bounce off the atoms and \
the walls; live plots show the probability of finding an electron in a strip, the wall \
pressure and the density across strips. Includes the vandrel-sim command-line runner.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
