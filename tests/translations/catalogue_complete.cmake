# Fails when a text marked for translation has no English in the catalogue: lupdate gathers the
# sources' texts into a copy of translations/inverter_en.ts, where a text the catalogue lacks
# comes out unfinished.
# -DLUPDATE=lupdate -DCATALOGUE=inverter_en.ts -DSOURCES=file;file;... -DOPTIONS=lupdate options
# -DWORK=folder
file(MAKE_DIRECTORY ${WORK})
configure_file(${CATALOGUE} ${WORK}/inverter_en.ts COPYONLY)
string(REPLACE ";" "\n" listed "${SOURCES}")
file(WRITE ${WORK}/sources.lst "${listed}\n")
execute_process(COMMAND ${LUPDATE} -silent ${OPTIONS} @${WORK}/sources.lst
                        -ts ${WORK}/inverter_en.ts
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "lupdate failed: ${result}")
endif()
file(STRINGS ${WORK}/inverter_en.ts lines)
set(untranslated)
set(source "")
foreach(line IN LISTS lines)
    if(line MATCHES "<source>(.*)</source>")
        set(source "${CMAKE_MATCH_1}")
    elseif(line MATCHES "type=\"unfinished\"")
        list(APPEND untranslated "${source}")
    endif()
endforeach()
if(untranslated)
    list(JOIN untranslated "\n  " shown)
    message(FATAL_ERROR "Texts without English in ${CATALOGUE}:\n  ${shown}")
endif()
