# The time that CPack gives every file and archive member, so that two
# builds of the same sources give the same bytes: SOURCE_DATE_EPOCH when the
# caller chose one, else the time of the last commit, else (sources without
# their history, or a history that is not the builder's) the changelog's
# newest entry. Read by cpack-config.cmake; run on its own,
#   cmake -DCPACK_TEMPAROKA_SOURCE_DIR=<sources> -P build-date.cmake
# it prints that time.
#
# Git runs what a repository's configuration names (a program that checks a
# commit's signature, one that watches the files): a builder running git on
# another user's checkout, root above all, would run that user's programs.
# So the history is read only when the sources and every folder git would
# read them from belong to the builder, from that folder alone (no search of
# the folders above), with none of the configuration of the machine or of
# the caller's home (a HOME kept from another user, as `sudo -E` does), and
# with the settings that start programs turned off.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    set(source ${CPACK_TEMPAROKA_SOURCE_DIR})
    set(epoch "")
    if(EXISTS ${source}/.git)
        # A worktree's .git is a file naming its own folder in the shared
        # repository, and that folder names the shared one.
        set(read_by_git ${source} ${source}/.git)
        if(NOT IS_DIRECTORY ${source}/.git)
            file(STRINGS ${source}/.git gitdir LIMIT_COUNT 1 REGEX "^gitdir: ")
            string(REGEX REPLACE "^gitdir: " "" gitdir "${gitdir}")
            get_filename_component(gitdir "${gitdir}" ABSOLUTE BASE_DIR ${source})
            list(APPEND read_by_git ${gitdir})
            if(EXISTS ${gitdir}/commondir)
                file(STRINGS ${gitdir}/commondir common LIMIT_COUNT 1)
                get_filename_component(common "${common}" ABSOLUTE BASE_DIR ${gitdir})
                list(APPEND read_by_git ${common})
            endif()
        endif()
        execute_process(COMMAND id -u OUTPUT_VARIABLE builder OUTPUT_STRIP_TRAILING_WHITESPACE)
        execute_process(COMMAND stat -L -c %u ${read_by_git}
            RESULT_VARIABLE failed OUTPUT_VARIABLE owners OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
        string(REPLACE "\n" ";" owners "${owners}")
        list(REMOVE_DUPLICATES owners)
        if(NOT failed AND "${owners}" STREQUAL "${builder}")
            execute_process(
                COMMAND env -i PATH=$ENV{PATH} GIT_CONFIG_NOSYSTEM=1 GIT_CONFIG_GLOBAL=/dev/null
                        git --git-dir=${source}/.git -c log.showSignature=false -c core.fsmonitor=false
                        log -1 --format=%ct
                RESULT_VARIABLE failed OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
        endif()
    endif()
    if(NOT epoch MATCHES "^[0-9]+$")
        file(STRINGS ${source}/packaging/changelog signatures REGEX "^ -- .*>  ")
        list(GET signatures 0 newest)
        string(REGEX REPLACE "^ -- .*>  " "" newest "${newest}")
        execute_process(COMMAND date -d "${newest}" +%s
            OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    endif()
    set(ENV{SOURCE_DATE_EPOCH} ${epoch})
endif()
if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
    execute_process(COMMAND ${CMAKE_COMMAND} -E echo "$ENV{SOURCE_DATE_EPOCH}")
endif()
