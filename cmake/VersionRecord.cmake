# The program's version record: one list of values for the program's metadata (version.h) and
# the Windows version resource.
include(${CMAKE_CURRENT_LIST_DIR}/Utf16.cmake)

set(VEKKIRO_PRODUCT_NAME "Vekkiro")
set(VEKKIRO_FILE_DESCRIPTION "输入垃圾即可分类，让城市更加文明。")
set(VEKKIRO_ORIGINAL_FILENAME "Vekkiro.exe")
# Not part of the executable's version record; the packages and the installer name it.
set(VEKKIRO_PUBLISHER "The Vekkiro developers")
set(VEKKIRO_RESOURCE_STRINGS PRODUCT_NAME FILE_DESCRIPTION VERSION_STRING ORIGINAL_FILENAME)

# vekkiro_write_windows_rc(<output.rc> <icon.ico>)
function(vekkiro_write_windows_rc output ico)
    set(VEKKIRO_ICO_PATH ${ico})
    foreach(key IN LISTS VEKKIRO_RESOURCE_STRINGS)
        vekkiro_utf16("${VEKKIRO_${key}}" ESCAPED VEKKIRO_RC_${key})
    endforeach()
    configure_file(${PROJECT_SOURCE_DIR}/resources/windows/vekkiro.rc.in ${output} @ONLY)
endfunction()
