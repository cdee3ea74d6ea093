# SPDX-License-Identifier: MIT
# Run by CPack on the staged files before it packs them: takes out of the
# programs the sections nothing reads at run time (the compiler's version in
# .comment, and .note), as Debian's own packaging does.
if(NOT IS_DIRECTORY "${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
  message(FATAL_ERROR "No staging folder: \"${CPACK_TEMPORARY_INSTALL_DIRECTORY}\"")
endif()
file(GLOB programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/bin/*")
if(programs)
  execute_process(COMMAND strip --remove-section=.comment --remove-section=.note ${programs}
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "strip: ${failed}")
  endif()
endif()
