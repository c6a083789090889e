# Puts the delivered catalogue next to the executable only when no catalogue
# is there yet: bullets a user stored in it are never overwritten by a build.
#   cmake -DORIGINE=data/stdbulls.bc -DDESTINAZIONE=<folder>/stdbulls.bc -P copia-catalogo.cmake
if(NOT DEFINED ORIGINE OR NOT DEFINED DESTINAZIONE)
  message(FATAL_ERROR "copia-catalogo.cmake: ORIGINE and DESTINAZIONE are required")
endif()
if(NOT EXISTS "${DESTINAZIONE}")
  file(COPY_FILE "${ORIGINE}" "${DESTINAZIONE}")
endif()
