# What `cmake --install` puts where, under the usual prefixes, and the Debian package that CPack
# builds from the same rules: `cpack --config BUILD/CPackConfig.cmake`.
include(GNUInstallDirs)

install(TARGETS inkwright RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET inkwright-check)
  install(TARGETS inkwright-check RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

# Man pages and the changelog go in gzipped, without a time stamp in the header, so that the
# package's bytes stay the same from one build to the next.
set(packaged_docs ${CMAKE_BINARY_DIR}/packaged-docs)
set(gzipped)
foreach(source docs/inkwright.1 docs/inkwright-check.1 packaging/changelog)
  get_filename_component(name ${source} NAME)
  add_custom_command(OUTPUT ${packaged_docs}/${name}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${packaged_docs}
    COMMAND gzip -9 -n -c ${CMAKE_SOURCE_DIR}/${source} > ${packaged_docs}/${name}.gz
    DEPENDS ${CMAKE_SOURCE_DIR}/${source}
    VERBATIM)
  list(APPEND gzipped ${packaged_docs}/${name}.gz)
endforeach()
add_custom_target(packaged_docs ALL DEPENDS ${gzipped})

install(FILES ${packaged_docs}/inkwright.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
if(TARGET inkwright-check)
  install(FILES ${packaged_docs}/inkwright-check.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright ${packaged_docs}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/inkwright)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME inkwright)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "documentation generator for the sources of library wrappers")
# The lines of the long description stay below 80 characters, as Debian's tools ask.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "inkWright reads the documentation comment blocks of a library's sources,\n"
  "as one configuration file describes them, and writes an HTML page per\n"
  "entry, a master index, a table of contents, an HTML Help project and\n"
  "PureBasic binding files. Every output is exact to the byte.\n"
  "inkwright-check tells what a run reads, what it writes and what it loses.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "inkWright maintainers <maintainers@inkwright.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
include(CPack)
