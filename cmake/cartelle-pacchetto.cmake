# Run by CPack on the staged tree before it packs it.
# The catalogue beside the program is the package's: an upgrade replaces it,
# so the program stores every user's bullets, root's too, in his own catalogue.
file(WRITE "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/${CPACK_RIGATA_CARTELLA_PROGRAMMA}/catalogo-del-pacchetto"
  "Archivio delle palle del pacchetto: un aggiornamento lo sostituisce.\n"
  "Le palle che ogni utente memorizza vanno nel suo archivio personale,\n"
  "~/.local/share/rigata/stdbulls.bc.\n")
# A package replaces its catalogue at every upgrade: the fingerprint that
# tells a hand install whether it may do so is not needed.
file(REMOVE "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/${CPACK_RIGATA_CARTELLA_PROGRAMMA}/stdbulls.bc.sha256")
# Every folder 0755 and the mark 0644, whatever the umask of the one who
# builds (install() sets the modes of the files it installs, but the folders
# above them are made with the umask).
file(GLOB_RECURSE voci LIST_DIRECTORIES true "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
foreach(voce IN LISTS voci)
  if(IS_SYMLINK "${voce}")
  elseif(IS_DIRECTORY "${voce}")
    file(CHMOD "${voce}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
         WORLD_READ WORLD_EXECUTE)
  elseif(voce MATCHES "/catalogo-del-pacchetto$")
    file(CHMOD "${voce}" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  endif()
endforeach()
