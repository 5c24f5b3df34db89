# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 GCC of the POSIX thread model (package
# g++-mingw-w64-x86-64-posix), which Qt 6 needs for std::thread and std::mutex. A Qt built with it
# keeps a copy beside its own files, so that the folder can move: Qt's qt.toolchain.cmake points at
# that copy (scripts/build-qt-mingw.sh).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_VERSION 10)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

set(MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER   ${MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${MINGW_TRIPLE}-windres)
set(CMAKE_AR           ${MINGW_TRIPLE}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB       ${MINGW_TRIPLE}-gcc-ranlib-posix CACHE FILEPATH "")
set(CMAKE_STRIP        ${MINGW_TRIPLE}-strip CACHE FILEPATH "")
set(CMAKE_OBJDUMP      ${MINGW_TRIPLE}-objdump CACHE FILEPATH "")

# Headers and libraries for Windows come from the MinGW sysroot and from the Qt beside this file;
# programs (the compilers, Qt's moc, rcc and uic) from the build machine.
get_filename_component(_qt_mingw_prefix "${CMAKE_CURRENT_LIST_DIR}" ABSOLUTE)
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLE} ${_qt_mingw_prefix})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The build machine's pkg-config files describe Linux libraries.
set(ENV{PKG_CONFIG_LIBDIR} "/usr/${MINGW_TRIPLE}/lib/pkgconfig")
set(ENV{PKG_CONFIG_PATH} "")
