# Builds Vemmick 2 for another architecture of Debian, in the root of scripts/cross-root.sh: Debian's
# cross compiler, the architecture's own Qt, giflib and GoogleTest from multiarch, and the build
# machine's moc, rcc and lrelease. Programs of the architecture (the tests, when they are listed at
# build time) run under qemu-user.
#   cmake -DVEMMICK_ARCH=arm64 -DCMAKE_TOOLCHAIN_FILE=scripts/cross-toolchain.cmake ...
#   VEMMICK_ARCH: arm64, armhf, i386 or s390x
set(CMAKE_SYSTEM_NAME Linux)
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VEMMICK_ARCH)
if(VEMMICK_ARCH STREQUAL "arm64")
    set(CMAKE_SYSTEM_PROCESSOR aarch64)
    set(triple aarch64-linux-gnu)
    set(qemu aarch64)
elseif(VEMMICK_ARCH STREQUAL "armhf")
    set(CMAKE_SYSTEM_PROCESSOR armv7l)
    set(triple arm-linux-gnueabihf)
    set(qemu arm)
elseif(VEMMICK_ARCH STREQUAL "i386")
    set(CMAKE_SYSTEM_PROCESSOR i686)
    set(triple i686-linux-gnu)
    set(qemu i386)
elseif(VEMMICK_ARCH STREQUAL "s390x")
    set(CMAKE_SYSTEM_PROCESSOR s390x)
    set(triple s390x-linux-gnu)
    set(qemu s390x)
else()
    message(FATAL_ERROR "VEMMICK_ARCH: arm64, armhf, i386 or s390x, not '${VEMMICK_ARCH}'")
endif()
set(CMAKE_C_COMPILER ${triple}-gcc)
set(CMAKE_CXX_COMPILER ${triple}-g++)
# Multiarch: the architecture's libraries lie beside the build machine's, in their own folder.
string(REPLACE "i686" "i386" libdir ${triple})
set(CMAKE_LIBRARY_ARCHITECTURE ${libdir})
set(ENV{PKG_CONFIG_LIBDIR} "/usr/lib/${libdir}/pkgconfig:/usr/share/pkgconfig")
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/qemu-${qemu}-static)
