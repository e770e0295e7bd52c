# What `cmake --install` puts on a system and what the Debian package holds: the program, its
# desktop entry, the icons, the AppStream metainfo and the manual pages (English and Russian).
# The built-in manual is compiled into the program. `make package` builds
# orvek_<version>_<arch>.deb with CPack and checks it with scripts/check-package.sh.

# The reverse-DNS name of the program's site orvek.example: the desktop entry, the metainfo and
# the icons are all named by it.
set(ORVEK_APP_ID example.orvek.Orvek)
set(ORVEK_ICON_SIZES 16 22 24 32 48 64 128 256)
# Relocations read-only before the program starts (the hardening Debian builds with).
target_link_options(orvek PRIVATE LINKER:-z,relro,-z,now)
# The window names its desktop entry, so that a desktop finds the entry's icon and name for it.
target_compile_definitions(orvek PRIVATE ORVEK_APP_ID="${ORVEK_APP_ID}")

install(TARGETS orvek RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/resources/${ORVEK_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/resources/${ORVEK_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The icons: the scalable picture, and PNGs rendered from it at every size desktops ask for.
set(ORVEK_ICON_SVG ${CMAKE_SOURCE_DIR}/resources/icons/${ORVEK_APP_ID}.svg)
install(FILES ${ORVEK_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
find_program(ORVEK_RSVG_CONVERT rsvg-convert)
if(ORVEK_RSVG_CONVERT)
  set(icon_pngs)
  foreach(size IN LISTS ORVEK_ICON_SIZES)
    set(dir ${CMAKE_BINARY_DIR}/icons/${size}x${size})
    set(png ${dir}/${ORVEK_APP_ID}.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
      COMMAND ${ORVEK_RSVG_CONVERT} --width=${size} --height=${size} --output=${png} ${ORVEK_ICON_SVG}
      DEPENDS ${ORVEK_ICON_SVG}
      COMMENT "Rendering the ${size}x${size} icon" VERBATIM)
    list(APPEND icon_pngs ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
  add_custom_target(orvek_icons ALL DEPENDS ${icon_pngs})
else()
  message(WARNING "rsvg-convert (Debian: librsvg2-bin) is missing: only the scalable icon is installed")
endif()

# The manual pages, one source per language, and the changelog, compressed as Debian keeps them.
find_program(ORVEK_GZIP gzip REQUIRED)
set(compressed)
foreach(page IN ITEMS orvek.1 ru/orvek.1)
  configure_file(${CMAKE_SOURCE_DIR}/docs/man/${page}.in ${CMAKE_BINARY_DIR}/man/${page} @ONLY)
endforeach()
configure_file(${CMAKE_SOURCE_DIR}/docs/changelog ${CMAKE_BINARY_DIR}/doc/changelog COPYONLY)
foreach(file IN ITEMS man/orvek.1 man/ru/orvek.1 doc/changelog)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/${file}.gz
    COMMAND ${ORVEK_GZIP} -9 --no-name --keep --force ${CMAKE_BINARY_DIR}/${file}
    DEPENDS ${CMAKE_BINARY_DIR}/${file}
    COMMENT "Compressing ${file}" VERBATIM)
  list(APPEND compressed ${CMAKE_BINARY_DIR}/${file}.gz)
endforeach()
add_custom_target(orvek_compressed_docs ALL DEPENDS ${compressed})
install(FILES ${CMAKE_BINARY_DIR}/man/orvek.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/man/ru/orvek.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/ru/man1)
install(FILES ${CMAKE_BINARY_DIR}/doc/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/orvek)

# The Debian package. dpkg-shlibdeps computes the libraries' packages from the binary.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvek)
set(CPACK_PACKAGE_VENDOR Orvek)
set(CPACK_PACKAGE_CONTACT "Orvek developers <developers@orvek.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL "http://orvek.example/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "kinematics of a planar six-link hinged-lever mechanism")
set(CPACK_PACKAGE_DESCRIPTION
  "Orvek is a program for students and teachers of the theory of machines and
mechanisms. It analyses a four-bar linkage with a link from the coupler's
midpoint to a slider on a vertical guide: the dead positions, a study of the
rocker length, the positions, velocities and accelerations of the joints and
the force analysis, as tables, charts and drawings with the velocity and
acceleration plans. Results go to CSV, pictures, a PDF report or a printer;
a command line computes a whole group's variants without a window.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's texts in Russian and Ukrainian, and the fonts whose metrics the forms are laid out for.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
