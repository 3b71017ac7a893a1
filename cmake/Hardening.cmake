# SPDX-License-Identifier: MIT
# Debian's hardening flags (what `dpkg-buildflags` gives with hardening=+all)
# for optimised GCC and Clang builds, so the packaged program passes lintian
# and hardening-check. Left out of sanitizer and fuzz builds, which bring
# their own instrumentation, and of Debug builds: _FORTIFY_SOURCE needs
# optimisation.

option(MONTHLYCALENDAR_HARDENING "Build optimised builds with Debian's hardening flags" ON)

if(MONTHLYCALENDAR_HARDENING AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang"
    AND NOT MONTHLYCALENDAR_SANITIZE AND NOT MONTHLYCALENDAR_FUZZ)
  set(optimised "$<CONFIG:Release,RelWithDebInfo,MinSizeRel>")
  add_compile_options("$<${optimised}:-fstack-protector-strong;-Wformat;-Werror=format-security>")
  # Flags handed in (CXXFLAGS from dpkg-buildflags, say) may define it
  # already; a second definition would be a warning, an error with -Werror.
  string(TOUPPER "${CMAKE_BUILD_TYPE}" buildType)
  if(NOT "${CMAKE_CXX_FLAGS} ${CMAKE_CXX_FLAGS_${buildType}}" MATCHES "_FORTIFY_SOURCE")
    # Some compilers define it themselves; -U first keeps that quiet.
    add_compile_options("$<${optimised}:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
  endif()
  add_link_options("$<${optimised}:-Wl,-z,relro,-z,now>")
  # Position-independent executables: -fPIE and -pie where supported.
  include(CheckPIESupported)
  check_pie_supported(LANGUAGES CXX)
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
endif()
