# The time of the sources, which every file in a package and the date of the manual page
# carry, so that every build of the same sources gives the same bytes, in SOURCE_DATE_EPOCH:
# the caller's own, when it sets one; else the commit time that `git archive` writes into
# this file; else, where these sources are the top of a git checkout of their own, the time of
# its last commit. Where none is known, one line says so and the current time serves.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(waktu_arsip "$Format:%ct$")
  get_filename_component(folder_sumber ${CMAKE_CURRENT_LIST_DIR} DIRECTORY)
  if(waktu_arsip MATCHES "^[0-9]+$")
    set(ENV{SOURCE_DATE_EPOCH} ${waktu_arsip})
  elseif(EXISTS ${folder_sumber}/.git)
    execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY ${folder_sumber}
                    OUTPUT_VARIABLE waktu_commit OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(waktu_commit MATCHES "^[0-9]+$")
      set(ENV{SOURCE_DATE_EPOCH} ${waktu_commit})
    endif()
  endif()
  if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    message(NOTICE "The time of the sources is unknown: the files take the current time.")
  endif()
endif()
