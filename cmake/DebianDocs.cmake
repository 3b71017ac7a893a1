# SPDX-License-Identifier: MIT
# The documents Debian asks of every package: the copyright in its
# machine-readable form, the changelog and the manual page, the last two
# compressed. gzip -n leaves out the file's name and time, so the same
# sources always give the same bytes.

find_program(MONTHLYCALENDAR_GZIP gzip REQUIRED)

# The changelog's newest entry must be this version's.
file(STRINGS data/changelog changelogTop LIMIT_COUNT 1)
if(NOT changelogTop MATCHES "^monthly-calendar \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "data/changelog does not start with an entry for version ${PROJECT_VERSION}: ${changelogTop}")
endif()

set(compressed)
foreach(pair IN ITEMS "data/changelog|changelog.gz" "docs/monthly-calendar.1|monthly-calendar.1.gz")
  string(REPLACE "|" ";" pair "${pair}")
  list(GET pair 0 source)
  list(GET pair 1 output)
  set(output ${CMAKE_CURRENT_BINARY_DIR}/compressed/${output})
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/compressed
    COMMAND ${MONTHLYCALENDAR_GZIP} -9nc ${CMAKE_CURRENT_SOURCE_DIR}/${source} > ${output}
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${source}
    COMMENT "Compressing ${source}"
    VERBATIM)
  list(APPEND compressed ${output})
endforeach()
add_custom_target(compressed_docs ALL DEPENDS ${compressed})

install(FILES data/copyright ${CMAKE_CURRENT_BINARY_DIR}/compressed/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/compressed/monthly-calendar.1.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
