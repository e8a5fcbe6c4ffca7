# The Linux program: the snapshot tool and the benchmarks, the installation, and the Debian package.
# The snapshot tool and the benchmarks belong to the plain build only.
if(NOT KESTRANO_SANITIZE)
  add_subdirectory(tools)
  add_subdirectory(bench)
endif()

# Installation: the program, its desktop entry, AppStream metadata and icons.
include(GNUInstallDirs)
install(TARGETS kestrano RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES packaging/org.example.kestrano.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(packaging/org.example.kestrano.metainfo.xml.in org.example.kestrano.metainfo.xml @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/org.example.kestrano.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(lato 32 48)
  install(FILES packaging/icons/org.example.kestrano-${lato}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${lato}x${lato}/apps RENAME org.example.kestrano.png)
endforeach()
install(FILES packaging/icons/org.example.kestrano.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The Debian documentation: copyright, the changelog and the manual page, compressed as Debian
# wants them (gzip -9n: no name, no time stamp).
configure_file(packaging/debian/changelog.in changelog @ONLY)
set(documenti_compressi ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz ${CMAKE_CURRENT_BINARY_DIR}/kestrano.1.gz)
add_custom_command(OUTPUT ${documenti_compressi}
  COMMAND gzip -9n -c ${CMAKE_CURRENT_BINARY_DIR}/changelog > ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
  COMMAND gzip -9n -c ${PROJECT_SOURCE_DIR}/packaging/debian/kestrano.1 > ${CMAKE_CURRENT_BINARY_DIR}/kestrano.1.gz
  DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog packaging/debian/kestrano.1)
add_custom_target(documenti ALL DEPENDS ${documenti_compressi})
install(FILES packaging/debian/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/kestrano.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# A Debian package: `cpack -G DEB` in the build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kestrano)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "drill on the metric units of length for primary-school pupils")
set(CPACK_PACKAGE_DESCRIPTION "A desktop drill program, entirely in Italian, that teaches primary-school
pupils the metric units of length. Its start window opens two quizzes: the
metre and its multiples (km, hm, dam), and the metre and its sub-multiples
(dm, cm, mm). Each runs a drill of 96 questions drawn at random from a fixed
bank; the pupil presses one of seven answer buttons, confirms the choice and
sees right or wrong with the seconds taken. Nothing is stored.")
set(CPACK_PACKAGE_CONTACT "Velmaro <info@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Stripped as Debian strips a program: its symbols, and the .comment and .note sections that
# hold only the compiler's name. Plain `strip`, which CPack would run, keeps those two.
install(CODE "execute_process(COMMAND strip --remove-section=.comment --remove-section=.note
  \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/kestrano\" COMMAND_ERROR_IS_FATAL ANY)")
# The same bytes from every build of one version: every time stamp in the package is the
# changelog's (not the clock's), and folder modes do not follow the builder's umask.
file(STRINGS packaging/debian/changelog.in riga_firma REGEX "^ -- ")
string(REGEX REPLACE "^ -- .*>  " "" data_changelog "${riga_firma}")
execute_process(COMMAND date -u -d "${data_changelog}" +%s OUTPUT_VARIABLE KESTRANO_EPOCA
  OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
configure_file(packaging/cpack_progetto.cmake.in cpack_progetto.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_BINARY_DIR}/cpack_progetto.cmake)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
  WORLD_READ WORLD_EXECUTE)
# The libraries come from dpkg-shlibdeps; the X11 platform plugin and the fonts are loaded at
# run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2, fonts-dejavu-core")
# In a Wayland session without XWayland the program needs the toolkit's Wayland plugin.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
include(CPack)
