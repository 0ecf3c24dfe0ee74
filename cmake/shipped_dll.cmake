# zt_shipped_dll(TARGET)
#
# Makes the Windows DLL TARGET the file a host installation receives: unused
# code and data dropped by the linker, no time stamp in the PE header, and the
# debug information moved into TARGET's file name + ".debug" beside it, which
# the stripped DLL names through its .gnu_debuglink section (a debugger finds
# it there or in a ".debug" folder beside the DLL). The compile options that go
# with it (size, a section per function, no build paths) are set for the whole
# Windows build, so the tests run the code that ships.
function(zt_shipped_dll target)
    if(NOT WIN32)
        return()
    endif()
    set_target_properties(${target} PROPERTIES ZT_SHIPPED_DLL ON)
    target_link_options(${target} PRIVATE -Wl,--gc-sections -Wl,--no-insert-timestamp)
    set(objcopy ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${ZT_SOURCE_DATE_EPOCH} ${ZT_MINGW_PREFIX}-objcopy)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${objcopy} --only-keep-debug $<TARGET_FILE:${target}> $<TARGET_FILE:${target}>.debug
        COMMAND ${objcopy} --strip-all --add-gnu-debuglink=$<TARGET_FILE:${target}>.debug
            $<TARGET_FILE:${target}>
        COMMENT "Debug information of $<TARGET_FILE_NAME:${target}> into a file of its own"
        VERBATIM)
endfunction()
