# Installation layout and the Debian package.
include(GNUInstallDirs)

set(packaging_source ${PROJECT_SOURCE_DIR}/packaging)
set(packaging_build ${PROJECT_BINARY_DIR}/packaging)
# The reverse-DNS id that names the desktop entry and the AppStream metadata.
set(vandrel_app_id org.vandrelgas.Vandrel)

# Debian wants documentation and manual pages compressed with "gzip -9n": no
# name or time stamp in the header, so that builds are reproducible.
find_program(GZIP_PROGRAM gzip REQUIRED)
function(vandrel_add_gzipped source compressed)
    string(REGEX REPLACE "\\.gz$" "" plain ${compressed})
    add_custom_command(OUTPUT ${compressed}
        COMMAND ${CMAKE_COMMAND} -E copy ${source} ${plain}
        COMMAND ${GZIP_PROGRAM} -9nf ${plain}
        DEPENDS ${source}
        VERBATIM)
endfunction()

vandrel_add_gzipped(${packaging_source}/changelog ${packaging_build}/changelog.gz)
configure_file(${packaging_source}/vandrel.1.in ${packaging_build}/configured/vandrel.1 @ONLY)
vandrel_add_gzipped(${packaging_build}/configured/vandrel.1 ${packaging_build}/vandrel.1.gz)
set(packaging_files ${packaging_build}/changelog.gz ${packaging_build}/vandrel.1.gz)

# vandrel-sim's page comes from its own --help, so that the two never differ.
find_program(HELP2MAN_PROGRAM help2man)
if(HELP2MAN_PROGRAM AND NOT CMAKE_CROSSCOMPILING)
    add_custom_command(OUTPUT ${packaging_build}/vandrel-sim.1.gz
        COMMAND ${HELP2MAN_PROGRAM} --no-info --include ${packaging_source}/vandrel-sim.h2m
                --output ${packaging_build}/vandrel-sim.1 $<TARGET_FILE:vandrel-sim>
        COMMAND ${GZIP_PROGRAM} -9nf ${packaging_build}/vandrel-sim.1
        DEPENDS vandrel-sim ${packaging_source}/vandrel-sim.h2m
        VERBATIM)
    list(APPEND packaging_files ${packaging_build}/vandrel-sim.1.gz)
else()
    message(STATUS "help2man not found: the vandrel-sim(1) manual page is not built")
endif()
add_custom_target(vandrel_packaging_files ALL DEPENDS ${packaging_files})

install(TARGETS vandrel vandrel-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A stripped install also drops the compiler's version notes, as Debian's own
# packages do.
string(CONFIGURE [[
    if(CMAKE_INSTALL_DO_STRIP)
        foreach(program vandrel vandrel-sim)
            execute_process(COMMAND "@CMAKE_OBJCOPY@" --remove-section=.comment
                "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/@CMAKE_INSTALL_BINDIR@/${program}")
        endforeach()
    endif()
]] remove_comment_sections @ONLY)
install(CODE "${remove_comment_sections}")
install(FILES ${packaging_source}/${vandrel_app_id}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging_source}/${vandrel_app_id}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The lesson files' type, for file managers: shared-mime-info takes it up by itself.
install(FILES ${packaging_source}/${vandrel_app_id}.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
# The example lessons, in each language; the program offers them in its Open dialog.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/lessons/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/vandrel/lessons)
install(FILES ${PROJECT_SOURCE_DIR}/resources/app.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/16x16/apps RENAME vandrel.png)
install(FILES ${PROJECT_SOURCE_DIR}/resources/app32.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps RENAME vandrel.png)
install(FILES ${packaging_source}/copyright ${packaging_build}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
list(REMOVE_ITEM packaging_files ${packaging_build}/changelog.gz)
install(FILES ${packaging_files} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vandrel)
set(CPACK_PACKAGE_VENDOR "Vandrel gas project")
set(CPACK_PACKAGE_CONTACT "Vandrel gas project <team@vandrelgas.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Interactive demonstration of the Vandrel model gas")
# Debian shows the description as it is: lines within 80 columns, and an
# empty line between paragraphs.
set(CPACK_PACKAGE_DESCRIPTION [[
A teaching demonstration of a model gas for lectures on statistical physics.
Light particles, the electrons, fly in straight lines through a square
lattice of hard-disc atoms and bounce off the atoms and the walls; live
plots show the probability of finding an electron in a chosen strip, the
pressure on the walls, the density across the strips, the mean free path
and the entropy of the electrons' places, each with its standard error and
the value it approaches.

Electrons are placed with the mouse or let out of one strip; the lattice
spacing, the radii, the speed and the direction are set on a form, a trail
mode shows where every electron will be over the next three seconds, and a
reversal turns every electron back, to watch the gas retrace its paths
until chaos wins. Measurements go into a results table and are plotted
against a setting beside their theory curve. A lecture view shows the field
and the plot as large as the screen allows. The program opens full screen
on a menu, in English on an English desktop and in Russian otherwise, with
the other language one click away.

A prepared demonstration, with notes for the class and the results so far,
is saved as a lesson; six example lessons come in both languages.

The package also holds vandrel-sim, which runs the same model without a
window, sweeps settings on every core and prints the numbers behind the
plots as CSV.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own Russian strings (standard dialogs and buttons); the libraries
# are found by shlibdeps and added after it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-translations-l10n)
set(CPACK_STRIP_FILES ON)
include(CPack)
