# Run by the build's `dist` target (cmake -P): stages the installed program folder and writes
# what users download, the portable zip and the installer.
#   -DBUILD_DIR=<build tree> -DDIST_DIR=<output> -DZIP_NAME=<file> -DNSI_IN=<configured .nsi>
#   -DMAKENSIS=<makensis> -DSTRIP=<the target's strip>
cmake_minimum_required(VERSION 3.25)

set(stage ${DIST_DIR}/stage)
set(program_dir ${stage}/Vekkiro)
file(REMOVE_RECURSE ${stage})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${program_dir} --strip
                OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
# The libraries come as they were built, with their symbol tables (a third of libstdc++'s size);
# users need none of them.
file(GLOB_RECURSE libraries ${program_dir}/*.dll)
execute_process(COMMAND ${STRIP} --strip-unneeded ${libraries} COMMAND_ERROR_IS_FATAL ANY)

file(REMOVE ${DIST_DIR}/${ZIP_NAME})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${DIST_DIR}/${ZIP_NAME} --format=zip Vekkiro
                WORKING_DIRECTORY ${stage} COMMAND_ERROR_IS_FATAL ANY)

# The installer installs the staged files one by one and its uninstaller deletes exactly those,
# deepest first, then the folders they leave empty; never a whole folder the user may have added
# to.
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${program_dir} ${program_dir}/*)
list(SORT files)
set(install_list "")
set(uninstall_list "")
set(directories "")
set(current_dir "-")
foreach(file IN LISTS files)
    get_filename_component(dir ${file} DIRECTORY)
    string(REPLACE "/" "\\" windows_file "${file}")
    string(REPLACE "/" "\\" windows_dir "${dir}")
    if(NOT dir STREQUAL current_dir)
        set(current_dir ${dir})
        if(dir STREQUAL "")
            string(APPEND install_list "SetOutPath \"$INSTDIR\"\n")
        else()
            string(APPEND install_list "SetOutPath \"$INSTDIR\\${windows_dir}\"\n")
            while(NOT dir STREQUAL "")
                string(REPLACE "/" "\\" windows_dir "${dir}")
                list(APPEND directories ${windows_dir})
                get_filename_component(dir ${dir} DIRECTORY)
            endwhile()
        endif()
    endif()
    string(APPEND install_list "File \"${program_dir}/${file}\"\n")
    string(PREPEND uninstall_list "Delete \"$INSTDIR\\${windows_file}\"\n")
endforeach()
list(REMOVE_DUPLICATES directories)
list(SORT directories ORDER DESCENDING)
foreach(dir IN LISTS directories)
    string(APPEND uninstall_list "RMDir \"$INSTDIR\\${dir}\"\n")
endforeach()
string(APPEND install_list "SetOutPath \"$INSTDIR\"\n")
file(WRITE ${DIST_DIR}/install-list.nsh "${install_list}")
file(WRITE ${DIST_DIR}/uninstall-list.nsh "${uninstall_list}")

execute_process(COMMAND ${MAKENSIS} -V2 -INPUTCHARSET UTF8 ${NSI_IN}
                WORKING_DIRECTORY ${DIST_DIR} COMMAND_ERROR_IS_FATAL ANY)
