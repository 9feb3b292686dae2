# `cmake --install build --prefix DIR` and `cpack -G DEB`: the executable in bin/, the data
# files and the pack in share/<game>/, the desktop entry, the icons and the metainfo.
include(GNUInstallDirs)
# Installing and packaging take what is built; they do not build every test and benchmark first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(KVB_SHARE_DIR ${CMAKE_INSTALL_DATADIR}/${KVB_GAME_FOLDER})

install(PROGRAMS $<TARGET_FILE:kvb> DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME ${KVB_GAME_FOLDER})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/ DESTINATION ${KVB_SHARE_DIR})
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${KVB_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${KVB_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
if(TARGET kvb_pack)
  install(FILES ${CMAKE_BINARY_DIR}/play/kvb.paq DESTINATION ${KVB_SHARE_DIR})
endif()
if(TARGET kvb_icons)
  install(DIRECTORY ${KVB_ICON_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
endif()

set(CPACK_PACKAGE_NAME ${KVB_GAME_FOLDER})
set(CPACK_PACKAGE_VENDOR "Korvania Works")
set(CPACK_PACKAGE_CONTACT "Korvania Works <games@korvaniaworks.net>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Competitive shooter with collectible cards")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The runtime halves of the libraries the game links (zlib and the C++ runtime are
# there on every Debian system, but a package says so anyway).
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libsdl2-2.0-0 (>= 2.0.18), libsdl2-mixer-2.0-0 (>= 2.0.4), libphysfs1 (>= 3.0), zlib1g, libstdc++6 (>= 12), libc6")
set(CPACK_SOURCE_GENERATOR "")
include(CPack)
