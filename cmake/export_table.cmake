# The export table (library/exports.txt), read at configure time. From it
# zt_write_export_files() makes, in a folder of the build:
#   ZtFunc32.def, ZtFunc32_earlier.def  each release's module-definition file
#       (Windows builds: exact ordinals; plain names for caller-cleans exports;
#       on 32-bit Windows "Name = Name@N" for callee-cleans ones and
#       "_Name@N = Name@N" for decorated ones, on 64-bit Windows, which
#       decorates no name, plain names throughout)
#   expected_exports.txt, expected_exports_earlier.txt  "ordinal name
#       convention bytes" of each release, as tests/win32/check_dll.py reads it
#   exports.inc  one ZT_EXPORT(function, "32-bit export name", ordinal, earlier
#       ordinal or 0, caller or callee, bytes, framed) per row, for the tests
#       that go through every export
set(ZT_EXPORT_TABLE ${CMAKE_SOURCE_DIR}/library/exports.txt)
set_property(DIRECTORY ${CMAKE_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ZT_EXPORT_TABLE})

# Writes `content` to `path` only when it changed, so that what depends on it
# is not rebuilt for nothing.
function(zt_write_if_changed path content)
    file(WRITE ${path}.new "${content}")
    configure_file(${path}.new ${path} COPYONLY)
endfunction()

function(zt_write_export_files directory)
    file(STRINGS ${ZT_EXPORT_TABLE} rows REGEX "^[A-Za-z]")
    set(header "; Made from library/exports.txt by cmake/export_table.cmake.\nLIBRARY ZtFunc32.dll\nEXPORTS\n")
    set(current_def "${header}")
    set(earlier_def "${header}")
    set(current_expected "")
    set(earlier_expected "")
    set(inc "")
    foreach(row IN LISTS rows)
        if(NOT row MATCHES "^([A-Za-z0-9_]+)[ \t]+([0-9]+)[ \t]+([0-9]+|-)[ \t]+(caller|callee|callee-decorated)[ \t]+([0-9]+)[ \t]+(yes|no)[ \t]*$")
            message(FATAL_ERROR "library/exports.txt: cannot read the row \"${row}\"")
        endif()
        set(function ${CMAKE_MATCH_1})
        set(ordinal ${CMAKE_MATCH_2})
        set(earlier ${CMAKE_MATCH_3})
        set(convention ${CMAKE_MATCH_4})
        set(bytes ${CMAKE_MATCH_5})
        set(framed false)
        if(CMAKE_MATCH_6 STREQUAL "yes")
            set(framed true)
        endif()
        # The export name on 32-bit Windows, and its .def line there.
        set(name ${function})
        set(cleanup caller)
        set(line "${function} @${ordinal}")
        if(convention STREQUAL "callee")
            set(cleanup callee)
            if(ZT_WIN32_X86)
                set(line "${function} = ${function}@${bytes} @${ordinal}")
            endif()
        elseif(convention STREQUAL "callee-decorated")
            set(cleanup callee)
            set(name "_${function}@${bytes}")
            if(ZT_WIN32_X86)
                set(line "${name} = ${function}@${bytes} @${ordinal}")
            endif()
        endif()
        string(APPEND current_def "    ${line}\n")
        string(APPEND current_expected "${ordinal} ${name} ${cleanup} ${bytes}\n")
        if(earlier STREQUAL "-")
            set(earlier 0)
        else()
            string(APPEND earlier_def "    ${function} @${earlier}\n")
            string(APPEND earlier_expected "${earlier} ${function} caller ${bytes}\n")
        endif()
        string(APPEND inc
            "ZT_EXPORT(${function}, \"${name}\", ${ordinal}, ${earlier}, ${cleanup}, ${bytes}, ${framed})\n")
    endforeach()
    zt_write_if_changed(${directory}/ZtFunc32.def "${current_def}")
    zt_write_if_changed(${directory}/ZtFunc32_earlier.def "${earlier_def}")
    zt_write_if_changed(${directory}/expected_exports.txt "${current_expected}")
    zt_write_if_changed(${directory}/expected_exports_earlier.txt "${earlier_expected}")
    zt_write_if_changed(${directory}/exports.inc "${inc}")
endfunction()
