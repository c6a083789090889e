# Run by CPack on the staged tree before it packs it: every folder 0755,
# whatever the umask of the one who builds (install() sets the files' modes
# itself, but the folders above them are made with the umask).
file(GLOB_RECURSE cartelle LIST_DIRECTORIES true "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
foreach(cartella IN LISTS cartelle)
  if(IS_DIRECTORY "${cartella}" AND NOT IS_SYMLINK "${cartella}")
    file(CHMOD "${cartella}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
         WORLD_READ WORLD_EXECUTE)
  endif()
endforeach()
