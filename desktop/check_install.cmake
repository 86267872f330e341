# Installs the build into PREFIX and checks what a desktop needs of it.
#   cmake -DBUILD_DIR=<build> -DPREFIX=<scratch folder> -P check_install.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE installed OUTPUT_QUIET)
if(NOT installed EQUAL 0)
    message(FATAL_ERROR "cmake --install failed")
endif()

set(entry "${PREFIX}/share/applications/tallyfold.desktop")
foreach(file bin/tallyfold share/icons/hicolor/scalable/apps/tallyfold.svg share/applications/tallyfold.desktop)
    if(NOT EXISTS "${PREFIX}/${file}")
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()
file(READ "${entry}" text)
# The entry names the program as its window's title does.
if(NOT text MATCHES "\nName=Tallyfold\n")
    message(FATAL_ERROR "the entry does not name the program Tallyfold:\n${text}")
endif()
if(NOT text MATCHES "Exec=\"${PREFIX}/bin/tallyfold\"")
    message(FATAL_ERROR "the entry does not start the installed program:\n${text}")
endif()

find_program(VALIDATE desktop-file-validate)
if(NOT VALIDATE)
    message(FATAL_ERROR "desktop-file-validate is missing: scripts/install-deps.sh installs it")
endif()
execute_process(COMMAND "${VALIDATE}" "${entry}" RESULT_VARIABLE valid OUTPUT_VARIABLE out ERROR_VARIABLE out)
# It exits 0 with hints; a warning or an error is a fault of the entry.
if(NOT valid EQUAL 0 OR out MATCHES "error:|warning:")
    message(FATAL_ERROR "desktop-file-validate:\n${out}")
endif()
file(REMOVE_RECURSE "${PREFIX}")
