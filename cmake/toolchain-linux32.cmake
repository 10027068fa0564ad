# 32-bit x86 Linux on a 64-bit Debian host: the host compilers with -m32
# (g++-multilib), programs run through qemu-i386 (qemu-user), since the host
# kernel does not run 32-bit programs itself.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_LIBRARY_ARCHITECTURE i386-linux-gnu)

set(CMAKE_C_COMPILER gcc)
set(CMAKE_CXX_COMPILER g++)
set(CMAKE_C_FLAGS_INIT -m32)
set(CMAKE_CXX_FLAGS_INIT -m32)
set(CMAKE_EXE_LINKER_FLAGS_INIT -m32)
set(CMAKE_SHARED_LINKER_FLAGS_INIT -m32)
set(CMAKE_MODULE_LINKER_FLAGS_INIT -m32)

# The host's own libraries are 64-bit: look in the lib32 folders first.
set_property(GLOBAL PROPERTY FIND_LIBRARY_USE_LIB32_PATHS ON)
set_property(GLOBAL PROPERTY FIND_LIBRARY_USE_LIB64_PATHS OFF)

find_program(TEVASN_QEMU_I386 NAMES qemu-i386 qemu-i386-static)
if(TEVASN_QEMU_I386)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${TEVASN_QEMU_I386})
else()
  message(WARNING "qemu-i386 not found: the test programs cannot run (Debian: qemu-user)")
endif()
