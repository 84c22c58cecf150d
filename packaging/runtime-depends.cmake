# What the program needs installed to run, found once, at build time, and
# written where both packages take it from: the Debian package's Depends
# field (DEPENDS_FILE) and the apt-get line of the portable archive's README
# (README_FILE, made from README_TEMPLATE). The libraries come from the
# program and its sound module through dpkg-shlibdeps, as Debian's own packages get them;
# what it loads only at run time (fonts, Qt's platform plugins) is named in
# LOADED, a list.
#
# cmake -DPROGRAM=... -DMODULE=... -DLOADED=... -DWORK=... -DDEPENDS_FILE=...
#       -DREADME_TEMPLATE=... -DREADME_FILE=... -P runtime-depends.cmake

# dpkg-shlibdeps wants to be run in a source package: it gets an empty one.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/debian)
file(TOUCH ${WORK}/debian/control)
execute_process(COMMAND dpkg-shlibdeps -O -e${PROGRAM} -e${MODULE}
    WORKING_DIRECTORY ${WORK}
    OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE
    ERROR_VARIABLE complaints
    RESULT_VARIABLE failed)
file(REMOVE_RECURSE ${WORK})
if(failed OR NOT found MATCHES "^shlibs:Depends=.")
    message(FATAL_ERROR "dpkg-shlibdeps found no libraries for ${PROGRAM}:\n${found}${complaints}")
endif()
string(REGEX REPLACE "^shlibs:Depends=" "" libraries "${found}")

list(JOIN LOADED ", " loaded)
file(WRITE ${DEPENDS_FILE} "${libraries}, ${loaded}")

# For apt-get, the names alone: no versions, the first of alternatives.
string(REPLACE "," ";" entries "${libraries}")
set(names ${LOADED})
foreach(entry IN LISTS entries)
    string(REGEX REPLACE "[|].*" "" entry "${entry}")
    string(REGEX REPLACE "[(].*" "" entry "${entry}")
    string(STRIP "${entry}" entry)
    list(APPEND names ${entry})
endforeach()
list(REMOVE_DUPLICATES names)
list(SORT names)

# One command, broken into lines of at most 80 characters.
set(line "    sudo apt-get install")
set(command "")
foreach(name IN LISTS names)
    string(LENGTH "${line} ${name} \\" width)
    if(width GREATER 80)
        string(APPEND command "${line} \\\n")
        set(line "       ")
    endif()
    string(APPEND line " ${name}")
endforeach()
string(APPEND command "${line}")

set(TEMPAROKA_INSTALL_COMMAND "${command}")
configure_file(${README_TEMPLATE} ${README_FILE} @ONLY)
