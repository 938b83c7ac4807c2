# Runs clang-format over every C++ file of the project.
#   cmake -DCLANG_FORMAT=<program> -DVERSION=<major> -DROOT=<source> -DMODE=fix|check -P clangformat.cmake
# fix rewrites the files in place; check changes nothing and fails, naming
# the places, when any file differs from what fix would write.

if(NOT CLANG_FORMAT)
  message(FATAL_ERROR
    "clang-format ${VERSION} is not installed (scripts/setup.sh installs it)")
endif()
execute_process(COMMAND ${CLANG_FORMAT} --version
  OUTPUT_VARIABLE version_text RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR NOT version_text MATCHES "version ${VERSION}\\.")
  string(STRIP "${version_text}" version_text)
  message(FATAL_ERROR "${CLANG_FORMAT} is \"${version_text}\": the files are laid out "
    "by clang-format ${VERSION}, which scripts/setup.sh installs")
endif()

file(GLOB_RECURSE files LIST_DIRECTORIES false
  ${ROOT}/src/*.cpp ${ROOT}/src/*.h
  ${ROOT}/tests/*.cpp ${ROOT}/tests/*.h
  ${ROOT}/bench/*.cpp ${ROOT}/bench/*.h)
list(SORT files)
list(LENGTH files count)
if(count EQUAL 0)
  message(FATAL_ERROR "no C++ files under ${ROOT}")
endif()

if(MODE STREQUAL "fix")
  execute_process(COMMAND ${CLANG_FORMAT} -i --style=file ${files}
    WORKING_DIRECTORY ${ROOT} RESULT_VARIABLE result)
elseif(MODE STREQUAL "check")
  execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror --style=file ${files}
    WORKING_DIRECTORY ${ROOT} RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "some files are not laid out as clang-format ${VERSION} lays them "
      "out; \"cmake --build --preset default --target format\" fixes them")
  endif()
else()
  message(FATAL_ERROR "MODE must be fix or check, not \"${MODE}\"")
endif()
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${CLANG_FORMAT} failed")
endif()
if(MODE STREQUAL "fix")
  message(STATUS "clang-format ${VERSION} laid out ${count} files")
else()
  message(STATUS "clang-format ${VERSION}: all ${count} files as it lays them out")
endif()
