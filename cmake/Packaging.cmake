# Install rules and the Debian package (make package). `cmake --install` into a prefix gives the
# package's tree.
install(TARGETS cssbinder RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The conversion kit as the build puts it beside the program, without the pictures and textures a
# run of the program left in its work folders. The converter is a program: it is installed apart
# from the scripts, as a target, so that it is stripped like the program.
set(kit_destination ${CMAKE_INSTALL_DATADIR}/cssbinder/background)
set(built_kit ${CMAKE_BINARY_DIR}/src/ui/background)
if(TARGET tga2vtf OR EXISTS ${built_kit})
  install(DIRECTORY ${built_kit}/ DESTINATION ${kit_destination}
    USE_SOURCE_PERMISSIONS
    PATTERN "tga2vtf*" EXCLUDE
    PATTERN "*.tga" EXCLUDE
    PATTERN "*.vtf" EXCLUDE
    PATTERN "*.bat" EXCLUDE)
endif()
if(TARGET tga2vtf)
  install(TARGETS tga2vtf RUNTIME DESTINATION ${CSSBINDER_CONVERTER_DESTINATION})
endif()

# Debian's own files: the copyright, the changelog and the manual page, the last two compressed as
# Debian wants them (gzip -9n, no name or time inside, so the package is reproducible).
set(doc_destination ${CMAKE_INSTALL_DATADIR}/doc/cssbinder)
set(compressed)
foreach(file share/debian/changelog share/linux/cssbinder.1)
  get_filename_component(name ${file} NAME)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/${name}.gz
    COMMAND gzip -9n -c ${PROJECT_SOURCE_DIR}/${file} > ${CMAKE_BINARY_DIR}/${name}.gz
    DEPENDS ${PROJECT_SOURCE_DIR}/${file})
  list(APPEND compressed ${CMAKE_BINARY_DIR}/${name}.gz)
endforeach()
add_custom_target(package_documents ALL DEPENDS ${compressed})
install(FILES share/debian/copyright ${CMAKE_BINARY_DIR}/changelog.gz DESTINATION ${doc_destination})
install(FILES ${CMAKE_BINARY_DIR}/cssbinder.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME cssbinder)
set(CPACK_PACKAGE_VENDOR "The cssbinder developers")
set(CPACK_PACKAGE_CONTACT "The cssbinder developers <cssbinder@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Compose the autoexec.cfg of Counter-Strike: Source")
# The extended description as Debian shows it: lines of at most 80 characters.
set(CPACK_PACKAGE_DESCRIPTION "cssbinder writes the start-up configuration file of Counter-Strike: Source:
key binds, buy scripts, crosshair, gamma, graphics and network settings, and
the main menu's background picture.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/cssbinder/cssbinder)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
