# vinaxo-cli definition, import and export end to end: -DCLI=<vinaxo-cli> -DWORK=<empty folder>
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(ENV{XDG_CONFIG_HOME} ${WORK}/config)
set(ENV{QT_QPA_PLATFORM} offscreen)

function(cli expected_rc)
  execute_process(COMMAND ${CLI} ${ARGN} WORKING_DIRECTORY ${WORK}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL expected_rc)
    message(FATAL_ERROR "vinaxo-cli ${ARGN}: exit ${rc}, expected ${expected_rc}\n${out}\n${err}")
  endif()
  set(OUT "${out}" PARENT_SCOPE)
  set(ERR "${err}" PARENT_SCOPE)
endfunction()

# Texts with ";" do not survive a function's arguments unchanged: files are compared as files.
function(expect_file path expected what)
  file(WRITE ${WORK}/expected.txt "${expected}")
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${path} ${WORK}/expected.txt RESULT_VARIABLE differ)
  if(differ)
    file(READ ${path} actual)
    message(FATAL_ERROR "${what}:\n[${actual}]\nexpected\n[${expected}]")
  endif()
endfunction()

function(expect_eq actual expected what)
  if(NOT "${actual}" STREQUAL "${expected}")
    message(FATAL_ERROR "${what}:\n[${actual}]\nexpected\n[${expected}]")
  endif()
endfunction()

cli(0 definition create defs Title Artist "track titles/times" "Rel Year")
expect_eq("${OUT}" "defs.IDF\n" "created path")
file(SIZE ${WORK}/defs.IDF size)
expect_eq("${size}" "91" "definition size")
cli(0 definition show defs.IDF)
expect_eq("${OUT}" "1\t1\tTitle\n2\t2\tArtist\n3\t25\tTrack Titles/Times\n4\t8\tRel Year\n" "definition listing")
cli(1 definition create defs.IDF Title Title)
cli(2 definition create other.IDF Title Nope)

file(WRITE ${WORK}/in.txt "\"Night Songs\",\"Harbour Quartet\",\"1. Intro;2. Song;\",\"3:10;4:20;\",1999\nB side,\"Able, Baker\",One,9:99,late")
cli(0 import new.DAT defs.IDF in.txt)
expect_eq("${ERR}" "---Now Starting Import of in.txt---
Invalid Track Time: Must be a valid time in the format of 'MM:SS'.  Minutes must be less than 999 and seconds must be 59 or less.
Record 2, Rel Year is in error:  late
---Import Complete - Total records read: 2---
" "import log")
# A collection that holds recordings is added to only with --yes.
cli(1 import new.DAT defs.IDF in.txt)
cli(0 import new.DAT defs.IDF in.txt --yes --output twice.DAT)

cli(0 export new.DAT defs.IDF out.txt --sort 127:desc)
expect_file(${WORK}/out.txt "\"Night Songs\",\"Harbour Quartet\",\"Intro;Song;\",\"3:10;4:20;\",1999\r\n\"B side\",\"Able, Baker\",\"One;\",\";\",0\r\n" "export sorted by title, descending")
expect_eq("${ERR}" "---Now Starting Export to out.txt---\n---Export Complete - Total records written: 2---\n" "export log")
cli(1 export new.DAT defs.IDF out.txt)
cli(0 export twice.DAT defs.IDF out.txt --yes --filter-text BAKER --field-delimiter "|")
expect_file(${WORK}/out.txt "\"B side\"|\"Able, Baker\"|\"One;\"|\";\"|0\r\n\"B side\"|\"Able, Baker\"|\"One;\"|\";\"|0\r\n" "filtered export")
cli(2 export new.DAT defs.IDF x.txt --sort 110)
cli(2 export new.DAT defs.IDF x.txt --field-delimiter ab)
# Equal delimiters are refused before anything is read or written.
cli(1 export new.DAT defs.IDF same.txt --string-delimiter ",")
string(FIND "${ERR}" "Delimiters must differ: " at)
if(at LESS 0 OR EXISTS ${WORK}/same.txt)
  message(FATAL_ERROR "export with equal delimiters:\n${ERR}")
endif()
cli(1 import new.DAT defs.IDF in.txt --yes --track-delimiter "\"")
string(FIND "${ERR}" "Delimiters must differ: " at)
if(at LESS 0)
  message(FATAL_ERROR "import with equal delimiters:\n${ERR}")
endif()
