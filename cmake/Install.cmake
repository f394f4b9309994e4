# Installation onto a freedesktop desktop (program, menu entry, study file types, icons, manual
# page, software centre data). Installing is what registers the study types with the desktop;
# the program itself never writes any registration. The Debian package is made from the same
# rules (DebianPackage.cmake).
include(GNUInstallDirs)

install(TARGETS ondaris RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/fr.velmora.ondaris.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The menu entry is DBusActivatable: the desktop starts Ondaris through the session bus, which
# finds the program here.
configure_file(${PROJECT_SOURCE_DIR}/resources/desktop/fr.velmora.ondaris.service.in
               ${PROJECT_BINARY_DIR}/fr.velmora.ondaris.service @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/fr.velmora.ondaris.service
        DESTINATION ${CMAKE_INSTALL_DATADIR}/dbus-1/services)
install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/ondaris.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/fr.velmora.ondaris.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
add_subdirectory(${PROJECT_SOURCE_DIR}/resources/icons ${PROJECT_BINARY_DIR}/icons)

# Manual pages and changelogs are installed compressed, as Debian has them: gzip -9, without the
# file name and date that would make two builds of the same text differ.
find_program(ONDARIS_GZIP gzip REQUIRED)
set(ondaris_gzipped)
function(ondaris_install_gzipped source name destination)
  set(copy ${PROJECT_BINARY_DIR}/gzipped/${name})
  add_custom_command(OUTPUT ${copy}.gz
                     COMMAND ${CMAKE_COMMAND} -E copy ${source} ${copy}
                     COMMAND ${ONDARIS_GZIP} -9nf ${copy}
                     DEPENDS ${source}
                     VERBATIM)
  install(FILES ${copy}.gz DESTINATION ${destination})
  set(ondaris_gzipped ${ondaris_gzipped} ${copy}.gz PARENT_SCOPE)
endfunction()

ondaris_install_gzipped(${PROJECT_SOURCE_DIR}/resources/man/ondaris.1 ondaris.1
                        ${CMAKE_INSTALL_MANDIR}/man1)
# The package is native (Ondaris is packaged by its own team), so its one changelog is
# changelog.gz; the copyright file is in Debian's machine-readable format.
set(ONDARIS_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/ondaris)
ondaris_install_gzipped(${PROJECT_SOURCE_DIR}/resources/debian/changelog changelog
                        ${ONDARIS_DOCDIR})
install(FILES ${PROJECT_SOURCE_DIR}/resources/debian/copyright DESTINATION ${ONDARIS_DOCDIR})
add_custom_target(ondaris_gzipped ALL DEPENDS ${ondaris_gzipped})
