# The Debian package, made with `cpack -G DEB` in a build folder (./scripts/package
# does it in one command). The libraries it needs are found by dpkg-shlibdeps;
# the fonts the windows are drawn in are named here, as the program cannot see
# them missing until it draws with the wrong face.

set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "the Parta developers")
set(CPACK_PACKAGE_CONTACT "the Parta developers <${PROJECT_NAME}@parta.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "A teaching program for the Russian language. The pupil picks a grade, a topic\n"
  "and a variant, does the exercise on screen and sees every answer marked right\n"
  "or wrong with the number of errors. All windows and texts are in Russian.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
string(JOIN ", " CPACK_DEBIAN_PACKAGE_DEPENDS
  fonts-liberation fonts-liberation2 fonts-dejavu-core
  fonts-paratype fonts-ebgaramond fonts-urw-base35)

include(CPack)
