# The Debian package: CPack's DEB generator over everything the project installs, with the
# files Debian asks of every package (copyright, changelog).
execute_process(
  COMMAND date -u -R -d ${VANTRIC_RELEASE_DATE}
  OUTPUT_VARIABLE VANTRIC_RELEASE_DATE_RFC2822
  OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
set(changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${changelog} @ONLY)
add_custom_command(
  OUTPUT ${changelog}.gz
  COMMAND gzip -9nkf ${changelog}
  DEPENDS ${changelog}
  VERBATIM)
add_custom_target(debian_changelog ALL DEPENDS ${changelog}.gz)
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/vantric)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${changelog}.gz DESTINATION ${doc_dir})

# Packing builds everything first; the window renderer for screenshots is not packed.
if(TARGET vantric-screenshots)
  set_target_properties(vantric-screenshots PROPERTIES EXCLUDE_FROM_ALL ON)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantric)
set(CPACK_PACKAGE_VENDOR "The Vantric developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "benchmark for CD-ROM and other optical drives")
set(CPACK_PACKAGE_DESCRIPTION
    "Vantric times unbuffered reads of one large test file on a test disc and\n"
    "reports sequential transfer rates with 16 KB and 2 KB blocks at the inside,\n"
    "center and outside of the disc, the full-stroke and random access times,\n"
    "the CPU time that sustained reading costs at 2X to 12X and burst rates out\n"
    "of the drive's buffer. From these it derives a multimedia index, an\n"
    "application index, a speed rating in X and the drive type, CLV or CAV.\n"
    "\n"
    "The package holds the desktop program (vantric), the same benchmark in a\n"
    "terminal with a log file, JSON output and a transfer-rate curve\n"
    "(vantric-cli), and the program that writes the test file to burn on a\n"
    "disc (vantric-mkdisc). Simulated drives let every part be tried without\n"
    "a drive.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${VANTRIC_PACKAGE_RELEASE})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${VANTRIC_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Depends come from the libraries the programs link. What they only run, talk to or look for is
# recommended: xorriso for vantric-mkdisc --iso, a print spooler for the desktop's Print, and
# the fonts whose metrics the windows' fixed layouts were made with.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xorriso, cups, fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
