# Installs the build into a fresh prefix and compares the installed files with the package's
# list: a missing file and a stray one (a test or benchmark program) both fail.
# Usage: cmake -D BUILD_DIR=... -D PREFIX=... -D APP_ID=... -D PACKAGE_NAME=...
#        [-D PYTHON_FILES=<the Python package's files, below the prefix>] -P check_install.cmake

file(REMOVE_RECURSE ${PREFIX})
# DESTDIR would move the whole installation away from the prefix under test.
unset(ENV{DESTDIR})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                OUTPUT_VARIABLE output ERROR_VARIABLE output RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${result}):\n${output}")
endif()

set(expected
    bin/inverter
    bin/inverter-cli
    share/applications/${APP_ID}.desktop
    share/metainfo/${APP_ID}.metainfo.xml
    share/icons/hicolor/scalable/apps/${APP_ID}.svg
    share/man/man1/inverter-cli.1
    share/man/it/man1/inverter-cli.1
    share/doc/${PACKAGE_NAME}/copyright)
foreach(size 16 24 32 48 64 128 256)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
list(APPEND expected ${PYTHON_FILES})
list(SORT expected)

file(GLOB_RECURSE installed RELATIVE ${PREFIX} ${PREFIX}/*)
list(SORT installed)
if(NOT installed STREQUAL expected)
    set(missing ${expected})
    list(REMOVE_ITEM missing ${installed})
    set(extra ${installed})
    list(REMOVE_ITEM extra ${expected})
    message(FATAL_ERROR "Installed files differ from the package's list.\n"
                        "Missing: ${missing}\nNot expected: ${extra}")
endif()

# man finds the Italian page for `man -L it` and the English one otherwise. man-db looks into
# the language's folder of the trees that MANPATH names (not of those that -M names); a
# machine without the Italian locale makes it say so on its error output.
find_program(MAN man)
if(MAN)
    set(ENV{MANPATH} ${PREFIX}/share/man)
    foreach(language it en)
        execute_process(COMMAND ${MAN} -L ${language} -w inverter-cli
                        OUTPUT_VARIABLE page OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
        set(expected_page ${PREFIX}/share/man/man1/inverter-cli.1)
        if(language STREQUAL "it")
            set(expected_page ${PREFIX}/share/man/it/man1/inverter-cli.1)
        endif()
        if(NOT page STREQUAL expected_page)
            message(FATAL_ERROR "man -L ${language} inverter-cli finds \"${page}\", "
                                "not ${expected_page}")
        endif()
    endforeach()
endif()
