# Cross-builds for 64-bit ARM (Linux phones) against Debian's multiarch
# packages: the arm64 libraries sit beside the build machine's in
# /usr/lib/aarch64-linux-gnu, so there is no separate sysroot. Qt's arm64
# CMake files name its code generators (moc, uic, rcc) by paths under
# /usr/lib/qt6/libexec, which the build machine's own Qt tools package fills.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)

# Programs come from the build machine; libraries and packages only from the
# arm64 directories.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_PREFIX_PATH /usr/lib/aarch64-linux-gnu/cmake)
# Qt's private Gui part looks for xkbcommon through pkg-config.
set(PKG_CONFIG_EXECUTABLE aarch64-linux-gnu-pkg-config CACHE FILEPATH "pkg-config for arm64")

# Tests and other built programs run through the user-mode emulator.
find_program(QEMU_AARCH64 NAMES qemu-aarch64-static qemu-aarch64)
if(QEMU_AARCH64)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${QEMU_AARCH64})
endif()
