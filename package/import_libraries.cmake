# zt_import_libraries(TARGET DEF_FILE FOLDER)
#
# Import libraries of the DLL TARGET for programs that link against it, made
# from its export definitions DEF_FILE into FOLDER: ZtFunc32.def (the exports as
# a linker sees them), libZtFunc32.dll.a (MinGW, GNU dlltool) and ZtFunc32.lib
# (MSVC: COFF short import objects, as Microsoft's own tools make them).
# A C caller of a callee-cleans function on 32-bit Windows refers to
# "_Name@N": the plain exports ("GetDiscOnMsg") are bound with the size suffix
# killed, the decorated ones ("_ZtDllInit@0") by their own name. Each tool
# does either for a whole file, so the two kinds go through it separately and
# into one archive. For the .lib, llvm-dlltool makes the plain part; it cannot
# name a decorated export as it is (it reads definitions as MinGW does and
# drops the underscore), which lld-link, reading them as Microsoft's linker
# does, makes into the decorated part; llvm-lib joins the two.
find_program(ZT_LLVM_DLLTOOL NAMES llvm-dlltool-14 llvm-dlltool REQUIRED)
find_program(ZT_LLVM_LIB NAMES llvm-lib-14 llvm-lib REQUIRED)
find_program(ZT_LLD_LINK NAMES lld-link-14 lld-link REQUIRED)
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
; export Name), the decorated names with `dlltool --no-leading-underscore`
; (ZtFunc32.lib: `llvm-dlltool -k` and `lld-link /def`).
${header}${plain}${decorated}")
    file(WRITE ${work}/merge.mri "create ZtFunc32.a\naddlib plain.a\naddlib decorated.a\nsave\nend\n")
    set(dlltool ${ZT_MINGW_PREFIX}-dlltool -D ZtFunc32.dll)
    if(ZT_WIN32_X86)
        set(decorated_options --no-leading-underscore)
        set(machine i386)
        # lld-link writes the import library of the /out DLL, and no DLL
        # when there is nothing to link.
        set(msvc_decorated
            COMMAND ${ZT_LLD_LINK} /machine:x86 /def:decorated.def /out:decorated/ZtFunc32.dll
            COMMAND ${ZT_LLVM_LIB} /out:ZtFunc32.lib plain.lib decorated/ZtFunc32.lib)
    else()
        set(machine i386:x86-64)
        set(msvc_decorated COMMAND ${CMAKE_COMMAND} -E copy plain.lib ZtFunc32.lib)
    endif()
    add_custom_command(OUTPUT ${folder}/libZtFunc32.dll.a ${folder}/ZtFunc32.lib
        COMMAND ${dlltool} --kill-at -d plain.def -l plain.a
        COMMAND ${dlltool} ${decorated_options} -d decorated.def -l decorated.a
        COMMAND ${CMAKE_COMMAND} -E rm -f ZtFunc32.a ZtFunc32.lib
        COMMAND sh -c "${ZT_MINGW_PREFIX}-ar -M < merge.mri"
        COMMAND ${ZT_MINGW_PREFIX}-ranlib ZtFunc32.a
        COMMAND ${CMAKE_COMMAND} -E copy ZtFunc32.a ${folder}/libZtFunc32.dll.a
        COMMAND ${ZT_LLVM_DLLTOOL} -m ${machine} -k -D ZtFunc32.dll -d plain.def -l plain.lib
        COMMAND ${CMAKE_COMMAND} -E make_directory decorated
        ${msvc_decorated}
        COMMAND ${CMAKE_COMMAND} -E copy ZtFunc32.lib ${folder}/ZtFunc32.lib
        WORKING_DIRECTORY ${work}
        DEPENDS ${def_file} ${work}/plain.def ${work}/decorated.def
        COMMENT "Import libraries of ${target}"
        VERBATIM)
    add_custom_target(${target}_import_libraries ALL
        DEPENDS ${folder}/libZtFunc32.dll.a ${folder}/ZtFunc32.lib)
endfunction()
