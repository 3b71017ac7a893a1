# SPDX-License-Identifier: MIT
# `cpack -G DEB` in the build folder makes a Debian package of what the
# install rules put under /usr. Library dependencies come from dpkg-shlibdeps
# (package dpkg-dev); what the program loads at run time without linking it
# is listed here.

set(CPACK_PACKAGE_NAME monthly-calendar)
set(CPACK_PACKAGE_VENDOR "The Monthly Calendar developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "print one-page monthly calendars")
set(CPACK_PACKAGE_DESCRIPTION
  "A small desktop program that prints a calendar page for one month: a header,
five short lines, a framed picture, a message line and the month grid with
each day's notes. A plain text file of tagged lines fills the page in one
step. Pages go to any CUPS printer or into a PDF file.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
if(CMAKE_STRIP)
  set(CPACK_MONTHLYCALENDAR_STRIP "${CMAKE_STRIP}")
  set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/cmake/PackageStrip.cmake)
endif()
set(CPACK_GENERATOR DEB)

set(MONTHLYCALENDAR_MAINTAINER "The Monthly Calendar developers <maintainers@monthly-calendar.invalid>"
  CACHE STRING "Maintainer of the Debian package, as Name <address>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${MONTHLYCALENDAR_MAINTAINER}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The SVG icon engine draws the window icon; "Arial" and "Times" on the page
# are the metric-compatible Liberation faces. Printing needs no entry here:
# libqt6printsupport6, from dpkg-shlibdeps, holds the CUPS plugin and
# depends on libcups2.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "cups, printer-driver-cups-pdf")

include(CPack)
