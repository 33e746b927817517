# Runs lupdate over the window program's sources into a copy of a .ts file and fails
# when a message of the copy has no finished translation (a text added to the sources,
# or one left unfinished) or when the committed file is not what lupdate makes of it.
#   cmake -DLUPDATE=lupdate -DSRC=<src> -DTS=<file.ts> -DWORK=<folder> -P check_translations.cmake
# To bring translations/vinaxo_de.ts up to date: the lupdate call below with
# "-ts translations/vinaxo_de.ts", the new texts into translations/de.py, then
# python3 translations/fill.py.
file(GLOB_RECURSE files LIST_DIRECTORIES false ${SRC}/*.cpp ${SRC}/*.h ${SRC}/*.ui)
# The command-line program stays English.
list(FILTER files EXCLUDE REGEX "/src/cli/")
list(SORT files)
list(JOIN files "\n" listed)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(WRITE ${WORK}/sources.lst "${listed}\n")
get_filename_component(name ${TS} NAME)
set(copy ${WORK}/${name})
file(COPY_FILE ${TS} ${copy})

execute_process(COMMAND ${LUPDATE} -silent -locations none -I ${SRC} @${WORK}/sources.lst -ts ${copy}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "lupdate failed (${rc}):\n${out}${err}")
endif()
if(err)
  message(FATAL_ERROR "lupdate warns:\n${err}")
endif()

file(READ ${copy} updated)
string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*(<comment>[^<]*</comment>[ \n]*)?<translation type=\"[a-z]+\""
       open "${updated}")
if(open)
  list(LENGTH open count)
  string(REPLACE ";" "\n" open "${open}")
  message(FATAL_ERROR "${count} message(s) without a finished translation in ${name}:\n${open}")
endif()
file(READ ${TS} committed)
if(NOT committed STREQUAL updated)
  message(FATAL_ERROR "${TS} is not what lupdate makes of the sources: compare it with ${copy}")
endif()
