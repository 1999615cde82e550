# The Debian package, written by `make package` (cpack) from the Release tree as
# tarnwick_<version>_<arch>.deb. Its library dependencies are read from the binary by
# dpkg-shlibdeps; the report's font is named here, since nothing links against it:
# Liberation Mono has the metrics of the report's Courier New.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarnwick)
set(CPACK_PACKAGE_VENDOR "The Tarnwick developers")
set(CPACK_PACKAGE_CONTACT "${TARNWICK_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "overhead clearance calculator for traction elevators")
set(CPACK_PACKAGE_HOMEPAGE_URL https://tarnwick.example)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation)
# The long description; CPack puts the summary above it and indents its lines.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "For an electric traction elevator, Tarnwick works out under the ASME A17.1
code (1996, 2000, 2004 and 2005 editions) the required buffer stroke, the
car's maximum upward movement and the minimum overhead clearances above the
car and the counterweight, compares the measured clearances with them and
offers the largest counterweight runby they allow, in imperial and metric
units. It prints a data report and a picture of the form.")

include(CPack)
