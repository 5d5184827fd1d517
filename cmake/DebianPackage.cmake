# The Debian package of everything `cmake --install` installs: `cpack -G DEB` in the build folder.
set(CPACK_PACKAGE_NAME zygora)
set(CPACK_PACKAGE_VENDOR Zygora)
set(CPACK_PACKAGE_CONTACT "Zygora <zygora@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "genetics calculator for snake breeders")
# Debian shows the description as it stands, so its lines are broken here.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
       "Zygora predicts the offspring of a pairing from the genotypes of both parents:"
       "ratios or percentages, genotypes or phenotypes, morph names, possible hets and"
       "a Punnett grid. Keep one gene set per species, with its loci, genes, dominance"
       "and combinations, and a picture per morph; it starts on the Serpentia gene set"
       "of corn snakes. The command-line tool zygora-calc prints the same report for"
       "scripts.")
set(CPACK_RESOURCE_FILE_LICENSE "${CMAKE_SOURCE_DIR}/COPYING")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt opens these at run time, so no library the programs link names them: the window-system plugins,
# and the SVG engine that draws the tool-bar icons and the window icon.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6")
include(CPack)
