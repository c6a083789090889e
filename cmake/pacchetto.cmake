# The files that make the program a Debian-like desktop program (manual page,
# AppStream entry, copyright and changelog), installed by every install, and
# the Debian package that CPack builds from the same install:
#   cd build && cpack -G DEB
# Included by CMakeLists.txt after the program's own install() rules; uses
# RIGATA_ID and RIGATA_CARTELLA_PROGRAMMA.

# Who publishes the package, set by its owner when configuring:
#   cmake -DRIGATA_HOMEPAGE=https://... -DRIGATA_MAINTAINER="Name <address>"
# Without a home page the package has no Homepage field, the copyright no
# Source and the AppStream entry neither a home page nor screenshots (these are
# the pictures of docs/, published under HOMEPAGE/docs/). The default
# maintainer's address is on a domain reserved for examples (RFC 2606), so that
# nothing points at a domain the project does not own.
set(RIGATA_HOMEPAGE "" CACHE STRING "Home page of the program (https://...); empty: none")
set(RIGATA_MAINTAINER "Gli sviluppatori di Rigata <rigata@example.org>" CACHE STRING
    "Maintainer of the package, as \"Name <address>\"")
# The cache entries of earlier versions held a home page and an address on a
# domain that is not the project's: dropped, so an old build folder does not
# keep them.
unset(RIGATA_SITO CACHE)
unset(RIGATA_MANUTENTORE CACHE)
# The home page without a closing slash, as the files below write it.
string(REGEX REPLACE "/+$" "" RIGATA_SITO "${RIGATA_HOMEPAGE}")
if(RIGATA_HOMEPAGE AND NOT RIGATA_SITO MATCHES "^https?://[^]<>&\"' \t[]+$")
  message(FATAL_ERROR "RIGATA_HOMEPAGE must be an http(s) address without blanks, quotes, <, > or &: ${RIGATA_HOMEPAGE}")
endif()
if(NOT RIGATA_MAINTAINER MATCHES "^[^<>&\n]+ <[^<>&@ \n]+@[^<>& \n]+>$")
  message(FATAL_ERROR "RIGATA_MAINTAINER must read \"Name <address>\": ${RIGATA_MAINTAINER}")
endif()
string(REGEX REPLACE "^([0-9]+)\\.([0-9]+)\\.([0-9]+)$" "\\3-\\2-\\1" RIGATA_DATA_ISO "${RIGATA_DATA_VERSIONE}")

set(generati "${CMAKE_BINARY_DIR}/generato")
include(GNUInstallDirs)

# The manual page, compressed as Debian wants it (-n: no name or time inside,
# so the same page gives the same bytes). Made when CMake configures (again
# whenever a source changes), so an install needs no build target of its own.
find_program(RIGATA_GZIP gzip REQUIRED)
function(rigata_comprimi origine destinazione)
  configure_file("${origine}" "${destinazione}" @ONLY)
  execute_process(COMMAND "${RIGATA_GZIP}" -9nkf "${destinazione}" COMMAND_ERROR_IS_FATAL ANY)
endfunction()
rigata_comprimi(docs/rigata.1.in "${generati}/rigata.1")

# Configures ORIGIN into DESTINATION; without a home page, every part of it
# between the lines "@RIGATA_SE_SITO@" and "@RIGATA_FINE_SE_SITO@" is left out
# (with a home page, only those two lines).
function(rigata_configura_secondo_sito origine destinazione)
  set(RIGATA_SE_SITO "@RIGATA_SE_SITO@")
  set(RIGATA_FINE_SE_SITO "@RIGATA_FINE_SE_SITO@")
  configure_file("${origine}" "${destinazione}.tmp" @ONLY)
  file(READ "${destinazione}.tmp" testo)
  file(REMOVE "${destinazione}.tmp")
  if(RIGATA_SITO)
    string(REGEX REPLACE "[ ]*@RIGATA_(FINE_)?SE_SITO@\n" "" testo "${testo}")
  else()
    string(REGEX REPLACE "[ ]*@RIGATA_SE_SITO@\n[^@]*@RIGATA_FINE_SE_SITO@\n" "" testo "${testo}")
  endif()
  if(testo MATCHES "@RIGATA_(FINE_)?SE_SITO@")
    message(FATAL_ERROR "${origine}: unbalanced @RIGATA_SE_SITO@ lines")
  endif()
  # Written only when it changed, like configure_file does.
  file(WRITE "${destinazione}.tmp" "${testo}")
  configure_file("${destinazione}.tmp" "${destinazione}" COPYONLY)
  file(REMOVE "${destinazione}.tmp")
endfunction()

# The AppStream entry.
rigata_configura_secondo_sito(data/rigata.metainfo.xml.in "${generati}/${RIGATA_ID}.metainfo.xml")

# The machine-readable copyright, with the bullet data's MIT notice whole
# (paragraph breaks written " ." as the format asks).
file(STRINGS data/LICENSE-bullets-g1.txt righe_mit)
set(RIGATA_TESTO_MIT "")
foreach(riga IN LISTS righe_mit)
  if(riga STREQUAL "")
    string(APPEND RIGATA_TESTO_MIT " .\n")
  else()
    string(APPEND RIGATA_TESTO_MIT " ${riga}\n")
  endif()
endforeach()
string(REGEX REPLACE "\n$" "" RIGATA_TESTO_MIT "${RIGATA_TESTO_MIT}")
rigata_configura_secondo_sito(data/copyright.in "${generati}/copyright")
rigata_comprimi(data/changelog.in "${generati}/changelog")

install(FILES "${generati}/rigata.1.gz" DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES "${generati}/${RIGATA_ID}.metainfo.xml" DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
install(FILES "${generati}/copyright" "${generati}/changelog.gz" DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/rigata)

# The hardening Debian's own packages have, in the program's code (not the
# tests'): checked buffer functions where the compiler optimises, and the
# relocations read-only from the start.
if(NOT RIGATA_SANITIZE)
  foreach(bersaglio rigata_file rigata_model rigata_catalogue rigata_cli rigata_screens rigata_programma rigata)
    target_compile_definitions(${bersaglio} PRIVATE $<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
  endforeach()
  target_link_options(rigata PRIVATE -Wl,-z,relro,-z,now)
endif()

# The Debian package. The install runs with DESTDIR into CPack's staging
# folder and the prefix /usr, so the desktop file names /usr/bin/rigata.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rigata)
set(CPACK_PACKAGE_VENDOR "Gli sviluppatori di Rigata")
set(CPACK_PACKAGE_CONTACT "${RIGATA_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# With DESTDIR, CPack installs into this prefix (else the build's, /usr/local).
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${RIGATA_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# No Homepage field without a home page (CPack leaves an empty one out).
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${RIGATA_SITO}")
# The libraries' packages from the executable (dpkg-shlibdeps), and Qt's own
# Italian translation, which the program loads at start.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
# The control files with the modes dpkg wants; the files and folders of the
# package owned by root whoever builds (CPack writes root as the owner itself,
# so no fakeroot is needed), their modes set by cmake/cartelle-pacchetto.cmake.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The staged tree's last touches (the package's mark on its catalogue, the
# folders' modes): cmake/cartelle-pacchetto.cmake.
set(CPACK_PRE_BUILD_SCRIPTS "${CMAKE_CURRENT_SOURCE_DIR}/cmake/cartelle-pacchetto.cmake")
set(CPACK_RIGATA_CARTELLA_PROGRAMMA "${CPACK_PACKAGING_INSTALL_PREFIX}/${RIGATA_CARTELLA_PROGRAMMA}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "ballistic calculator for hunting rifles with rifled barrels")
# The long description; CPack puts the summary above it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Rigata computes the exterior and terminal ballistics of a bullet fired from a
hunting rifle: printable range tables (drop, trajectory, remaining velocity
and energy, wind drift, time of flight, point of impact, also on slopes) with
the optimal zero distance, penetration in wood, iron, bone and muscle, the
muzzle velocity of another barrel length and the ballistic coefficient from
two measured velocities. Bullets are typed or picked from a catalogue of
commercial bullets, to which every user can add his own.
.
The program speaks Italian; it also has a command line (see rigata(1)).")
include(CPack)
