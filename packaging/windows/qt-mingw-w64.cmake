# Qt's own build for Windows: the game's toolchain, with what Qt 6.8 needs
# from Debian 12's MinGW-w64 (GCC 12, headers of version 10).
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
# Qt compiles with -fstack-protector-strong, whose checks live in libssp;
# the compiler driver adds it only when it is told so at link time too.
foreach(kind EXE SHARED MODULE)
    set(CMAKE_${kind}_LINKER_FLAGS_INIT -fstack-protector-strong)
endforeach()
# Declarations the UI Automation code needs, read before MinGW-w64's own.
set(CMAKE_CXX_FLAGS_INIT "-I${CMAKE_CURRENT_LIST_DIR}/qt-headers")
