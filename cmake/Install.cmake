# Installation onto a freedesktop desktop (program, menu entry, study file types, icons) and the
# Debian package that CPack builds from the same rules. Installing is what registers the study
# types with the desktop; the program itself never writes any registration.
include(GNUInstallDirs)

install(TARGETS ondaris RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/ondaris.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/ondaris.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
add_subdirectory(${PROJECT_SOURCE_DIR}/resources/icons ${PROJECT_BINARY_DIR}/icons)

set(ONDARIS_MAINTAINER "Équipe Ondaris <ondaris@example.org>"
    CACHE STRING "Maintainer named in the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ondaris)
set(CPACK_PACKAGE_VENDOR Velmora)
set(CPACK_PACKAGE_CONTACT "${ONDARIS_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calcul et impression de biorythmes")
set(CPACK_PACKAGE_DESCRIPTION
    "Ondaris calcule les trois cycles des biorythmes (physique, sentimental et
intellectuel) d'une ou de deux personnes et présente chaque étude sur une page
prête à imprimer : Biorythme (.bio), Compatibilité (.bi2) et Affinité (.aff).")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Qt libraries come from dpkg-shlibdeps; these are what the program loads or asks for by name:
# the SVG icon plugins, the platform plugins, the fonts its pages are measured in and Qt's French
# texts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6svg6, qt6-qpa-plugins, fonts-liberation2, qt6-translations-l10n")
# Their triggers refresh the menu and the icon cache when the package is installed; the MIME
# database's trigger comes with shared-mime-info, which Qt already needs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "desktop-file-utils, hicolor-icon-theme")
include(CPack)
