# Every target, the tests' and the fuzzers' too, is built with the sanitizers asked for: a
# library built without them would hide its faults from the others.
if(VEKKIRO_SANITIZERS)
    add_compile_options(-fsanitize=${VEKKIRO_SANITIZERS} -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=${VEKKIRO_SANITIZERS})
endif()

# vekkiro_configure_target(<target> [STRICT] [QT])
# Turns on the project's warning set for a target. STRICT adds the conversion warnings that the
# core library, which has no third-party headers to excuse, must keep clean. QT makes connects
# name a context object, switches deprecated Qt API off, and spells the Qt keywords as macros.
function(vekkiro_configure_target target)
    cmake_parse_arguments(arg "STRICT;QT" "" "" ${ARGN})
    if(arg_QT)
        target_compile_definitions(${target} PRIVATE QT_NO_CONTEXTLESS_CONNECT QT_NO_KEYWORDS
                                                     QT_DISABLE_DEPRECATED_UP_TO=0x060400)
    endif()
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 /permissive- /utf-8)
        if(VEKKIRO_WERROR)
            target_compile_options(${target} PRIVATE /WX)
        endif()
        return()
    endif()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow
                                             -Wnon-virtual-dtor -Wold-style-cast)
    if(arg_STRICT)
        target_compile_options(${target} PRIVATE -Wconversion -Wsign-conversion)
    endif()
    if(VEKKIRO_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

# vekkiro_offscreen_test(<test>)
# Runs a Qt test without a display, with the locale pinned the way CI has it, so a result never
# depends on the machine's screen or language.
function(vekkiro_offscreen_test test)
    set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT
        QT_QPA_PLATFORM=offscreen
        LANG=C.UTF-8
        LC_ALL=C.UTF-8
        XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}/xdg-runtime)
    file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/xdg-runtime)
    file(CHMOD ${CMAKE_BINARY_DIR}/xdg-runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
endfunction()

# vekkiro_missing_check(<why>)
# A check that cannot be registered on this machine: a warning, or an error where every check
# must run (VEKKIRO_REQUIRE_ALL_CHECKS, which the test command sets).
function(vekkiro_missing_check why)
    if(VEKKIRO_REQUIRE_ALL_CHECKS)
        message(FATAL_ERROR "${why}")
    endif()
    message(WARNING "skipped: ${why}")
endfunction()

# vekkiro_require_programs(<what needs them> <program>...)
# Whether every program is on this machine; if one is missing, says so (vekkiro_missing_check)
# and sets VEKKIRO_PROGRAMS_FOUND to false in the caller, which then registers no check.
function(vekkiro_require_programs what)
    foreach(program IN LISTS ARGN)
        string(MAKE_C_IDENTIFIER "VEKKIRO_HAVE_${program}" var)
        find_program(${var} ${program})
        if(NOT ${var})
            vekkiro_missing_check("${what} need ${program}")
            set(VEKKIRO_PROGRAMS_FOUND FALSE PARENT_SCOPE)
            return()
        endif()
    endforeach()
    set(VEKKIRO_PROGRAMS_FOUND TRUE PARENT_SCOPE)
endfunction()

# What tests/e2e/run_in_xvfb.sh runs to give a check a display and a D-Bus session of its own.
set(VEKKIRO_DISPLAY_PROGRAMS Xvfb xauth mcookie dbus-run-session)
# The environment of every check on a display: messages in UTF-8, and the folder where a failing
# check keeps the screen as it saw it.
set(VEKKIRO_DISPLAY_CHECK_ENVIRONMENT
    "LC_ALL=C.UTF-8" "VEKKIRO_FAILURE_DIR=${CMAKE_BINARY_DIR}/Testing/failures")
