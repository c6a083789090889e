# The install steps that plain install() rules cannot express; included by
# cmake_install.cmake, so CMAKE_INSTALL_PREFIX is the prefix of this install
# (--prefix) and DESTDIR is honoured. Set by the caller: RIGATA_ID,
# RIGATA_CARTELLA_PROGRAMMA, RIGATA_CATALOGO, RIGATA_MODELLO_DESKTOP.
set(radice "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(cartella "${radice}/${RIGATA_CARTELLA_PROGRAMMA}")

# The catalogue beside the executable. The bullets a user stored in it
# survive every later install of a new version: one already there is
# replaced only when it is still as an install delivered it (its SHA-256,
# written beside it at that install, matches), so that an upgrade brings the
# newly delivered bullets wherever nobody stored any.
set(catalogo "${cartella}/stdbulls.bc")
set(impronta "${cartella}/stdbulls.bc.sha256")
set(installa_catalogo TRUE)
if(EXISTS "${catalogo}" OR IS_SYMLINK "${catalogo}")
  set(installa_catalogo FALSE)
  if(EXISTS "${impronta}" AND NOT IS_SYMLINK "${catalogo}")
    file(SHA256 "${catalogo}" attuale)
    file(READ "${impronta}" consegnata)
    string(STRIP "${consegnata}" consegnata)
    if(attuale STREQUAL consegnata)
      set(installa_catalogo TRUE)
    endif()
  endif()
endif()
if(installa_catalogo)
  # file(INSTALL) puts DESTDIR in front by itself.
  file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/${RIGATA_CARTELLA_PROGRAMMA}" TYPE FILE FILES "${RIGATA_CATALOGO}"
       PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  file(SHA256 "${RIGATA_CATALOGO}" consegnata)
  file(WRITE "${impronta}" "${consegnata}\n")
  file(CHMOD "${impronta}" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${impronta}")
else()
  message(STATUS "Catalogo già presente, con palle aggiunte: lasciato com'è: ${catalogo}")
endif()

# bin/rigata: a relative link, so the whole prefix can be moved. The program
# finds its folder through the link (the kernel resolves /proc/self/exe).
file(RELATIVE_PATH bersaglio "${CMAKE_INSTALL_PREFIX}/bin"
     "${CMAKE_INSTALL_PREFIX}/${RIGATA_CARTELLA_PROGRAMMA}/rigata")
set(collegamento "${radice}/bin/rigata")
message(STATUS "Installing: ${collegamento} -> ${bersaglio}")
file(MAKE_DIRECTORY "${radice}/bin")
file(REMOVE "${collegamento}")
file(CREATE_LINK "${bersaglio}" "${collegamento}" SYMBOLIC)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${collegamento}")

# The desktop file starts the program by its absolute path (a per-user bin
# folder is not always on the desktop's PATH). Exec takes the path quoted,
# with the characters the desktop-entry format reserves escaped.
set(RIGATA_EXEC "${CMAKE_INSTALL_PREFIX}/bin/rigata")
foreach(carattere "\\" "\"" "`" "$")
  string(REPLACE "${carattere}" "\\${carattere}" RIGATA_EXEC "${RIGATA_EXEC}")
endforeach()
string(REPLACE "\\" "\\\\" RIGATA_EXEC "${RIGATA_EXEC}")
string(REPLACE "%" "%%" RIGATA_EXEC "${RIGATA_EXEC}")
set(RIGATA_EXEC "\"${RIGATA_EXEC}\"")
set(desktop "${radice}/share/applications/${RIGATA_ID}.desktop")
message(STATUS "Installing: ${desktop}")
configure_file("${RIGATA_MODELLO_DESKTOP}" "${desktop}" @ONLY)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${desktop}")
