# zt_import_libraries(TARGET DEF_FILE FOLDER)
#
# Import libraries of the DLL TARGET for programs that link against it, made
# from its export definitions DEF_FILE into FOLDER: ZtFunc32.def (the exports as
# a linker sees them), libZtFunc32.dll.a (MinGW) and ZtFunc32.lib (MSVC, the
# same archive of import objects). A C caller of a callee-cleans function on
# 32-bit Windows refers to "_Name@N": the plain exports ("GetDiscOnMsg") are
# bound with the size suffix killed, the decorated ones ("_ZtDllInit@0") by
# their own name. dlltool does either for a whole file, so the two kinds go
# through it separately and into one archive.
function(zt_import_libraries target def_file folder)
    file(STRINGS ${def_file} lines REGEX "^[ \t]*[A-Za-z_].*@[0-9]+[ \t]*$")
    set(plain "")
    set(decorated "")
    foreach(line IN LISTS lines)
        if(NOT line MATCHES "^[ \t]*([A-Za-z0-9_@]+)([ \t]*=[ \t]*([A-Za-z0-9_@]+))?[ \t]+@([0-9]+)")
            continue()
        endif()
        set(name ${CMAKE_MATCH_1})
        set(function ${CMAKE_MATCH_3})
        set(ordinal ${CMAKE_MATCH_4})
        if(name MATCHES "@")
            if(ZT_WIN32_X86)
                string(APPEND decorated "    ${name} @${ordinal}\n")
            else()
                # 64-bit Windows has no decoration: the C name binds the export.
                string(APPEND decorated "    ${function} @${ordinal} == ${name}\n")
            endif()
        elseif(function MATCHES "@")
            string(APPEND plain "    ${function} @${ordinal}\n")
        else()
            string(APPEND plain "    ${name} @${ordinal}\n")
        endif()
    endforeach()
    set(header "LIBRARY ZtFunc32.dll\nEXPORTS\n")
    set(work ${CMAKE_CURRENT_BINARY_DIR}/${target}-import)
    file(MAKE_DIRECTORY ${work} ${folder})
    file(WRITE ${work}/plain.def "${header}${plain}")
    file(WRITE ${work}/decorated.def "${header}${decorated}")
    file(WRITE ${folder}/ZtFunc32.def "; The exports of ZtFunc32.dll as a linker binds them. The import libraries
; beside this file were made from it in two parts: the plain names with
; `dlltool --kill-at` (a \"Name@N\" entry binds the C symbol _Name@N to the
; export Name), the decorated names with `dlltool --no-leading-underscore`.
${header}${plain}${decorated}")
    file(WRITE ${work}/merge.mri "create ZtFunc32.a\naddlib plain.a\naddlib decorated.a\nsave\nend\n")
    set(dlltool ${ZT_MINGW_PREFIX}-dlltool -D ZtFunc32.dll)
    if(ZT_WIN32_X86)
        set(decorated_options --no-leading-underscore)
    endif()
    add_custom_command(OUTPUT ${folder}/libZtFunc32.dll.a ${folder}/ZtFunc32.lib
        COMMAND ${dlltool} --kill-at -d plain.def -l plain.a
        COMMAND ${dlltool} ${decorated_options} -d decorated.def -l decorated.a
        COMMAND ${CMAKE_COMMAND} -E rm -f ZtFunc32.a
        COMMAND sh -c "${ZT_MINGW_PREFIX}-ar -M < merge.mri"
        COMMAND ${ZT_MINGW_PREFIX}-ranlib ZtFunc32.a
        COMMAND ${CMAKE_COMMAND} -E copy ZtFunc32.a ${folder}/libZtFunc32.dll.a
        COMMAND ${CMAKE_COMMAND} -E copy ZtFunc32.a ${folder}/ZtFunc32.lib
        WORKING_DIRECTORY ${work}
        DEPENDS ${def_file} ${work}/plain.def ${work}/decorated.def
        COMMENT "Import libraries of ${target}"
        VERBATIM)
    add_custom_target(${target}_import_libraries ALL
        DEPENDS ${folder}/libZtFunc32.dll.a ${folder}/ZtFunc32.lib)
endfunction()
