# Installs the manual pages, the bash completion, the AppStream metainfo and
# the Debian documentation files from packaging/, and configures CPack to make
# a Debian package of everything `cmake --install` puts in place (the three
# programs, the desktop entry, the icon and the MIME type come from their own
# folders). ./package drives it; ./test validates what it makes.

include(GNUInstallDirs)

set(QTR70_PACKAGE_NAME qtr70-clone)
set(QTR70_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(QTR70_PACKAGE_MAINTAINER
    "QT-R70 Clone Utility maintainers <maintainers@users.noreply.c-seed-ebf5a003.example>"
    CACHE STRING "Maintainer field of the Debian package: Name <address>")

# Directories made by the install are 0755 whatever the umask, as Debian wants.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

if(UNIX)
  # Manual pages and the Debian changelog are installed gzipped (-n: no name
  # or time stamp, so the package is reproducible).
  find_program(QTR70_GZIP gzip)
  set(qtr70_gz "")
  if(QTR70_GZIP)
    set(qtr70_gz .gz)
  endif()
  set(qtr70_man_pages qtr70.1 qtr70-clone.1 qtr70-sim.1)
  set(qtr70_gzipped)
  foreach(file ${qtr70_man_pages} changelog user-guide.md user-guide.ja.md)
    set(source ${QTR70_PACKAGING_DIR}/${file})
    if(file MATCHES "^user-guide")
      set(source ${PROJECT_SOURCE_DIR}/docs/${file})
    endif()
    if(QTR70_GZIP)
      set(target ${CMAKE_CURRENT_BINARY_DIR}/packaging/${file}${qtr70_gz})
      add_custom_command(OUTPUT ${target}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/packaging
        COMMAND ${QTR70_GZIP} -9 -n -c ${source} > ${target}
        DEPENDS ${source} VERBATIM)
      list(APPEND qtr70_gzipped ${target})
      set(qtr70_installed_${file} ${target})
    else()
      set(qtr70_installed_${file} ${source})
    endif()
  endforeach()
  add_custom_target(qtr70_docs ALL DEPENDS ${qtr70_gzipped})

  foreach(page ${qtr70_man_pages})
    install(FILES ${qtr70_installed_${page}} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endforeach()
  install(FILES ${QTR70_PACKAGING_DIR}/qtr70.bash-completion
          DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME qtr70)
  install(FILES ${QTR70_PACKAGING_DIR}/qtr70-clone.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  set(qtr70_docdir ${CMAKE_INSTALL_DATADIR}/doc/${QTR70_PACKAGE_NAME})
  install(FILES ${QTR70_PACKAGING_DIR}/copyright DESTINATION ${qtr70_docdir})
  # FTDI adapters at 1 ms latency when they are plugged in.
  install(FILES ${QTR70_PACKAGING_DIR}/60-qtr70-usb-serial-latency.rules DESTINATION lib/udev/rules.d)
  install(FILES ${QTR70_PACKAGING_DIR}/lintian-overrides
          DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME ${QTR70_PACKAGE_NAME})
  install(FILES ${qtr70_installed_changelog} DESTINATION ${qtr70_docdir}
          RENAME changelog.Debian${qtr70_gz})
  # The guide Help > User Guide shows, to read without the program too.
  install(FILES ${qtr70_installed_user-guide.md} ${qtr70_installed_user-guide.ja.md} DESTINATION ${qtr70_docdir})
endif()

# --- the Debian package ---
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${QTR70_PACKAGE_NAME})
set(CPACK_PACKAGE_VENDOR "QT-R70 Clone Utility developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${QTR70_PACKAGE_MAINTAINER})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Install with DESTDIR, so that the install step leaves the system's MIME and
# desktop databases alone (the package's triggers update them on the target).
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
if(CMAKE_STRIP)
  set(CPACK_QTR70_STRIP ${CMAKE_STRIP})
  set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/PackageStrip.cmake)
endif()
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "clone utility for the Korvan QT-R70 transceiver")
# The extended description; CPack puts the summary above it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Reads the memory of a Korvan QT-R70 HF transceiver (QT-R70J, QT-R70T,
QT-R70E and QT-R70A, each also as the extended-coverage version) over its
clone cable: the two settings records, VFO A and B and all 604 memory
channels. The desktop program qtr70-clone shows the settings as lists and
the channels in grids with an edit dialog, keeps copies as clone files
(*.R70), exchanges channels as CSV and writes everything back to the radio.
.
The command-line tool qtr70 reads, writes, shows, compares and converts
clone files for scripted backups. The virtual radio qtr70-sim answers on a
pseudo-terminal like the radio, so everything can be tried without hardware.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${QTR70_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What dpkg-shlibdeps cannot see: Qt loads its SVG support as a plugin (the
# icons), and the program's Japanese texts want a Japanese font.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-gothic, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "bash-completion")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

# --- checks, run by CTest (exit 77 = the tool is missing: skipped) ---
set(qtr70_check ${QTR70_PACKAGING_DIR}/check)
qtr70_add_test(NAME desktop_entry_valid
         COMMAND ${qtr70_check} desktop ${PROJECT_SOURCE_DIR}/src/shell/dist/qtr70-clone.desktop)
qtr70_add_test(NAME metainfo_valid COMMAND ${qtr70_check} metainfo ${QTR70_PACKAGING_DIR}/qtr70-clone.metainfo.xml)
qtr70_add_test(NAME packaging_texts_current
         COMMAND ${qtr70_check} docs $<TARGET_FILE:qtr70> $<TARGET_FILE:qtr70-sim> ${QTR70_PACKAGING_DIR}
                 ${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE})
set(qtr70_check_tests desktop_entry_valid metainfo_valid packaging_texts_current)
# The package of this build tree, made by CPack as ./package does; not for
# sanitizer or fuzzing builds, which are never packaged.
if(TARGET qtr70-clone AND NOT QTR70_SANITIZE AND NOT QTR70_FUZZ)
  qtr70_add_test(NAME package_lintian
           COMMAND ${qtr70_check} package ${PROJECT_BINARY_DIR} ${PROJECT_BINARY_DIR}/package-check)
  set_tests_properties(package_lintian PROPERTIES TIMEOUT 600)
  list(APPEND qtr70_check_tests package_lintian)
endif()
set_tests_properties(${qtr70_check_tests} PROPERTIES SKIP_RETURN_CODE 77)
