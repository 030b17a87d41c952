# libjpeg: Debian's -dev package on the host; for the cross build a static MinGW-w64 build of
# Debian's libjpeg-turbo source, made once by scripts/build-libjpeg-mingw.sh. On Windows with
# MSYS2 the MinGW-w64 libjpeg-turbo package is found as it is.
if(CMAKE_CROSSCOMPILING AND WIN32)
    set(QUILLORA_LIBJPEG_PREFIX "${PROJECT_SOURCE_DIR}/build/libjpeg-mingw"
        CACHE PATH "Static MinGW-w64 libjpeg-turbo")
    if(NOT EXISTS "${QUILLORA_LIBJPEG_PREFIX}/lib/libjpeg.a")
        message(STATUS "Building libjpeg-turbo for MinGW-w64 into ${QUILLORA_LIBJPEG_PREFIX}")
        execute_process(
            COMMAND bash "${PROJECT_SOURCE_DIR}/scripts/build-libjpeg-mingw.sh"
                    "${QUILLORA_LIBJPEG_PREFIX}"
            RESULT_VARIABLE libjpeg_result)
        if(NOT libjpeg_result EQUAL 0)
            message(FATAL_ERROR "scripts/build-libjpeg-mingw.sh failed")
        endif()
    endif()
    list(APPEND CMAKE_FIND_ROOT_PATH "${QUILLORA_LIBJPEG_PREFIX}")
endif()
find_package(JPEG REQUIRED)
