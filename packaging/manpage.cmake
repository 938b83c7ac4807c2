# Writes the manual page of pernoa from its --help and --version, in English,
# compressed as Debian installs manual pages.
#   cmake -DHELP2MAN=<program> -DGZIP=<program> -DPROGRAM=<pernoa> -DOUT=<pernoa.1.gz>
#         -DNAME=<one-line description> -P manpage.cmake
get_filename_component(dir ${OUT} DIRECTORY)
set(page ${dir}/pernoa.1)
execute_process(
    COMMAND ${HELP2MAN} --no-info --section=1 --name=${NAME}
        "--help-option=--lang=en --help" "--version-option=--lang=en --version"
        --output=${page} ${PROGRAM}
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "help2man failed (${result})")
endif()
execute_process(COMMAND ${GZIP} -9nf ${page} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "gzip failed (${result})")
endif()
