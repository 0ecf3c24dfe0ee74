# zt_host_library(TARGET DLL_BASE_NAME DEF_TEMPLATE)
#
# Makes the shared library TARGET one of the host's libraries that ZtFunc32
# binds at load time: on Windows it becomes DLL_BASE_NAME.dll with the plain
# export names of DEF_TEMPLATE, a .def file whose lines read
#     Name = Name@STDCALL_<bytes>@
# and TARGET_binding is what a library or program links to bind it.
#
# On 32-bit Windows callers refer to the decorated names ("_Name@8") while the
# DLL exports plain ones, so the import library is made from the decorated
# names with their suffixes killed in the import names.
function(zt_host_library target dll_base_name def_template)
    add_library(${target}_binding INTERFACE)
    target_include_directories(${target}_binding INTERFACE ${CMAKE_SOURCE_DIR}/include)
    if(NOT WIN32)
        target_link_libraries(${target}_binding INTERFACE ${target})
        return()
    endif()

    file(STRINGS ${def_template} def_lines REGEX "@STDCALL_[0-9]+@")
    foreach(line IN LISTS def_lines)
        string(REGEX REPLACE ".*@STDCALL_([0-9]+)@.*" "\\1" bytes "${line}")
        if(ZT_WIN32_X86)
            set(STDCALL_${bytes} "@${bytes}")
        else()
            set(STDCALL_${bytes} "")
        endif()
    endforeach()
    set(def_file ${CMAKE_CURRENT_BINARY_DIR}/${dll_base_name}.def)
    configure_file(${def_template} ${def_file} @ONLY)
    target_sources(${target} PRIVATE ${def_file})
    set_target_properties(${target} PROPERTIES PREFIX "" OUTPUT_NAME ${dll_base_name})

    if(NOT ZT_WIN32_X86)
        target_link_libraries(${target}_binding INTERFACE ${target})
        return()
    endif()
    set(import_def ${CMAKE_CURRENT_BINARY_DIR}/${dll_base_name}-import.def)
    set(import_lib ${CMAKE_CURRENT_BINARY_DIR}/lib${dll_base_name}-import.a)
    set(import_lines "LIBRARY ${dll_base_name}.dll\nEXPORTS\n")
    foreach(line IN LISTS def_lines)
        string(REGEX REPLACE ".*= *([A-Za-z_0-9]+)@STDCALL_([0-9]+)@.*" "\\1@\\2" entry "${line}")
        string(APPEND import_lines "    ${entry}\n")
    endforeach()
    file(WRITE ${import_def} "${import_lines}")
    # dlltool names the import library's symbols after the path it is given;
    # a bare file name keeps the build folder out of the DLLs that link it.
    add_custom_command(OUTPUT ${import_lib}
        COMMAND ${ZT_MINGW_PREFIX}-dlltool --kill-at -d ${import_def} -l lib${dll_base_name}-import.a
        WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
        DEPENDS ${import_def} ${def_template}
        COMMENT "Import library of ${dll_base_name}.dll")
    add_custom_target(${target}_import_library DEPENDS ${import_lib})
    add_dependencies(${target}_import_library ${target})
    add_dependencies(${target}_binding ${target}_import_library)
    target_link_libraries(${target}_binding INTERFACE ${import_lib})
endfunction()
