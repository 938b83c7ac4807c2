# Brings the English translation up to date with the texts of the sources,
# with Qt's lupdate.
#   cmake -DLUPDATE=<program> -DROOT=<source> -DTS=<file.ts> -DMODE=update|check
#         [-DWORK=<folder>] -P translations.cmake
# update rewrites the .ts: new texts are added unfinished, texts no source
# has any more are dropped. check changes nothing and fails when an update
# would change the file, or when an entry is left unfinished.

set(lupdate_options
  -source-language ja -target-language en
  # Without line numbers, so that moving a text does not change the file.
  -locations none
  -no-obsolete
  -I ${ROOT}/src)

if(MODE STREQUAL "update")
  execute_process(COMMAND ${LUPDATE} ${lupdate_options} ${ROOT}/src -ts ${TS}
    RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "lupdate failed (${result})")
  endif()
elseif(MODE STREQUAL "check")
  file(MAKE_DIRECTORY ${WORK})
  get_filename_component(name ${TS} NAME)
  set(copy ${WORK}/${name})
  file(COPY_FILE ${TS} ${copy})
  execute_process(COMMAND ${LUPDATE} ${lupdate_options} ${ROOT}/src -ts ${copy}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  message("${output}")
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "lupdate failed (${result})")
  endif()
  file(READ ${TS} before)
  file(READ ${copy} after)
  if(NOT before STREQUAL after)
    execute_process(COMMAND diff -u ${TS} ${copy})
    message(FATAL_ERROR "${TS} is not up to date with the sources: "
      "build the target update_translations and translate what it adds")
  endif()
  string(REGEX MATCHALL "type=\"(unfinished|vanished|obsolete)\"" open "${after}")
  list(LENGTH open count)
  if(count GREATER 0)
    string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation type=\"unfinished\""
      unfinished "${after}")
    string(REPLACE ";" "\n" unfinished "${unfinished}")
    message(FATAL_ERROR "${count} entries of ${TS} are unfinished or vanished:\n${unfinished}")
  endif()
else()
  message(FATAL_ERROR "MODE must be update or check")
endif()
