# The Debian package of the command-line tool (scripts/release.sh: cpack -G DEB in a release
# build): /usr/bin/plessard-macro, its manual page and its bash completion, both made from its
# own help, the copyright file with the components compiled in, and the changelog;
# dpkg-shlibdeps works out what it depends on. The window is not packaged: it works on the
# files beside itself, which means nothing in /usr/bin.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
find_program(PLESSARD_GZIP gzip REQUIRED)

set(plessard_doc ${CMAKE_BINARY_DIR}/debian)
set(plessard_from_help ${PROJECT_SOURCE_DIR}/packaging/debian/from_help.py)
set(plessard_third_party ${PROJECT_SOURCE_DIR}/packaging/third_party.py)
# The page is dated by SOURCE_DATE_EPOCH when it is set; gzip -n stores no time.
add_custom_command(
  OUTPUT ${plessard_doc}/plessard-macro.1.gz ${plessard_doc}/completion/plessard-macro
  COMMAND ${CMAKE_COMMAND} -E make_directory ${plessard_doc}/completion
  COMMAND ${Python3_EXECUTABLE} ${plessard_from_help} $<TARGET_FILE:plessard-macro>
          ${PROJECT_SOURCE_DIR}/packaging/debian/plessard-macro.1.in ${plessard_doc}/plessard-macro.1
          ${PROJECT_SOURCE_DIR}/packaging/debian/plessard-macro.bash-completion.in
          ${plessard_doc}/completion/plessard-macro
  COMMAND ${PLESSARD_GZIP} -n -9 -f ${plessard_doc}/plessard-macro.1
  DEPENDS plessard-macro ${plessard_from_help}
          ${PROJECT_SOURCE_DIR}/packaging/debian/plessard-macro.1.in
          ${PROJECT_SOURCE_DIR}/packaging/debian/plessard-macro.bash-completion.in
  VERBATIM)
# Plessard's copyright, then CLI11's, whose headers the tool is compiled with: taken from the
# Debian package that holds the CLI11 this build found, so a missing one fails the build.
add_custom_command(OUTPUT ${plessard_doc}/copyright
  COMMAND ${Python3_EXECUTABLE} ${plessard_third_party} deb-copyright
          ${PROJECT_SOURCE_DIR}/packaging/debian/copyright ${CLI11_DIR} ${plessard_doc}/copyright
  DEPENDS ${plessard_third_party} ${PROJECT_SOURCE_DIR}/packaging/debian/copyright VERBATIM)
# The Debian changelog of a package made here and nowhere else: one entry a version, from
# the project's version and the time the release is taken from.
string(TIMESTAMP plessard_release_date "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file(${PROJECT_SOURCE_DIR}/packaging/debian/changelog.in ${plessard_doc}/changelog @ONLY)
add_custom_command(OUTPUT ${plessard_doc}/changelog.gz
  COMMAND ${PLESSARD_GZIP} -n -9 -c ${plessard_doc}/changelog > ${plessard_doc}/changelog.gz
  DEPENDS ${plessard_doc}/changelog VERBATIM)
add_custom_target(plessard_debian_documents ALL
  DEPENDS ${plessard_doc}/plessard-macro.1.gz ${plessard_doc}/completion/plessard-macro
          ${plessard_doc}/copyright ${plessard_doc}/changelog.gz)

install(TARGETS plessard-macro RUNTIME DESTINATION bin)
# Stripped as Debian's own packages are (dh_strip): no compiler's comment nor notes either.
install(CODE "execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment
  --remove-section=.note \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin/plessard-macro\"
  COMMAND_ERROR_IS_FATAL ANY)")
install(FILES ${plessard_doc}/plessard-macro.1.gz DESTINATION share/man/man1)
install(FILES ${plessard_doc}/completion/plessard-macro
        DESTINATION share/bash-completion/completions)
install(FILES ${plessard_doc}/copyright ${plessard_doc}/changelog.gz
        DESTINATION share/doc/plessard-macro)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME plessard-macro)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "Plessard <macro-io@plessard.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "write, check and draw macro files of arrays of L-shaped parts")
# The summary is the synopsis; this is the extended description below it.
set(CPACK_PACKAGE_DESCRIPTION
    "plessard-macro writes the macro file of a rectangular array of L-shaped
sheet parts for a CAM host (an enclosing rectangle, one closed contour of
lines and arcs per part, an end mark), byte for byte as the Plessard Macro
File IO window writes it. It also checks macro files strictly and draws
them as SVG or DXF.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
