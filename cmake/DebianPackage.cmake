# The Debian package that CPack builds from the install rules (Install.cmake).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ondaris)
set(CPACK_PACKAGE_VENDOR Velmora)
set(CPACK_PACKAGE_CONTACT "Équipe Ondaris <ondaris@velmora.fr>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calcul et impression de biorythmes")
set(CPACK_PACKAGE_DESCRIPTION
    "Ondaris calcule les trois cycles des biorythmes (physique, sentimental et
intellectuel) d'une ou de deux personnes, ou de chaque paire d'un groupe, et
présente chaque étude sur une page prête à imprimer : Biorythme (.bio),
Compatibilité (.bi2), Affinité (.aff) et Groupe (.grp).")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Qt libraries come from dpkg-shlibdeps; these are what the program loads or asks for by name:
# the SVG icon plugins, the platform plugins, the fonts its pages are measured in, Qt's French
# texts and libical, loaded when a study is first exported to iCalendar.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6svg6, qt6-qpa-plugins, fonts-liberation2, qt6-translations-l10n, libical3")
# Their triggers refresh the menu and the icon cache when the package is installed; the MIME
# database's trigger comes with shared-mime-info, which Qt already needs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "desktop-file-utils, hicolor-icon-theme")
include(CPack)
