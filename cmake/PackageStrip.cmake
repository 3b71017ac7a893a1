# SPDX-License-Identifier: MIT
# Run by CPack after it has installed and stripped the files: drops the
# compiler's .comment and the .note section from the program, as Debian's
# dh_strip does (lintian: binary-has-unneeded-section).
# A source package copies the source tree, which it must leave alone.
if(CPACK_SOURCE_INSTALLED_DIRECTORIES)
  return()
endif()
file(GLOB_RECURSE programs LIST_DIRECTORIES false "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/bin/*")
foreach(program IN LISTS programs)
  execute_process(
    COMMAND "${CPACK_MONTHLYCALENDAR_STRIP}" --remove-section=.comment --remove-section=.note "${program}"
    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
