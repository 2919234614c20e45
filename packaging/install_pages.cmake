# Run by "cmake --install" and CPack: the manual pages made for the prefix
# being installed to, compressed, into share/man/man1. Given TERVALA_PAGES
# (the build's folder of page templates), TERVALA_MANDIR and TERVALA_DATADIR.
set(TERVALA_EXAMPLES_DIR "${CMAKE_INSTALL_PREFIX}/${TERVALA_DATADIR}/tervala/Data")
# Two installs at once (a test and a package) each make their own pages.
string(MD5 install_key "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
foreach(page tervala.1 tervala-batch.1)
  set(made "${TERVALA_PAGES}/for-install/${install_key}/${page}")
  configure_file("${TERVALA_PAGES}/${page}.in" "${made}" @ONLY)
  execute_process(COMMAND gzip -9n -f "${made}" RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "gzip could not compress ${made}")
  endif()
  file(INSTALL "${made}.gz" DESTINATION "${CMAKE_INSTALL_PREFIX}/${TERVALA_MANDIR}/man1")
endforeach()
