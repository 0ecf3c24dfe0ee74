# zt_version_resource(TARGET VERSION a.b.c.d DESCRIPTION text PRODUCT text
#                     ORIGINAL_FILENAME name [COMPANY text] [COMMENTS text])
#
# Gives the Windows DLL TARGET its version record (library/version.rc.in): file
# and product version VERSION, written "a, b, c, d" in the text fields, U.S.
# English, Unicode.
function(zt_version_resource target)
    cmake_parse_arguments(PARSE_ARGV 1 record ""
        "VERSION;DESCRIPTION;PRODUCT;ORIGINAL_FILENAME;COMPANY;COMMENTS" "")
    string(REPLACE "." "," ZT_VERSION_COMMAS "${record_VERSION}")
    string(REPLACE "." ", " ZT_VERSION_TEXT "${record_VERSION}")
    set(ZT_FILE_DESCRIPTION "${record_DESCRIPTION}")
    set(ZT_PRODUCT_NAME "${record_PRODUCT}")
    set(ZT_ORIGINAL_FILENAME "${record_ORIGINAL_FILENAME}")
    set(ZT_MAKER_VALUES "")
    if(record_COMMENTS)
        string(APPEND ZT_MAKER_VALUES "            VALUE \"Comments\", \"${record_COMMENTS}\\0\"\n")
    endif()
    if(record_COMPANY)
        string(APPEND ZT_MAKER_VALUES "            VALUE \"CompanyName\", \"${record_COMPANY}\\0\"\n")
    endif()
    set(resource ${CMAKE_CURRENT_BINARY_DIR}/${target}-version.rc)
    configure_file(${CMAKE_SOURCE_DIR}/library/version.rc.in ${resource} @ONLY)
    target_sources(${target} PRIVATE ${resource})
endfunction()
