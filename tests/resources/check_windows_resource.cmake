# Compiles the Windows resource script and checks that every string of the version record is
# in the compiled resource as UTF-16, and that the icon made it in too.
execute_process(COMMAND ${WINDRES} --preprocessor=cpp -O coff -i ${RC} -o ${RES}
                RESULT_VARIABLE result ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "windres failed: ${errors}")
endif()
file(READ ${RES} content HEX)
foreach(utf16 IN LISTS EXPECTED)
    string(FIND "${content}" "${utf16}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the compiled resource lacks the UTF-16 string ${utf16}")
    endif()
endforeach()
# Each icon image is stored as PNG; its signature must be there.
string(FIND "${content}" "89504e470d0a1a0a" png)
if(png EQUAL -1)
    message(FATAL_ERROR "the compiled resource holds no icon image")
endif()
