# The Windows companion programs that run inside the guest: plain Win32 C, cross-compiled for i386
# with mingw-w64, without any C runtime (our own entry point, -nostdlib), so that they start on every
# Windows 95. Defines GUEST_PROGRAM_FILES (the .exe paths) and GUEST_PROGRAM_DIR.
option(BOOTCANVAS_GUEST_PROGRAMS "Build the Windows companion programs (needs mingw-w64)" ON)
set(GUEST_PROGRAM_FILES "")
set(GUEST_PROGRAM_DIR ${CMAKE_BINARY_DIR}/guest)
if(NOT BOOTCANVAS_GUEST_PROGRAMS)
  return()
endif()

find_program(BOOTCANVAS_MINGW_CC i686-w64-mingw32-gcc)
if(NOT BOOTCANVAS_MINGW_CC)
  message(FATAL_ERROR
    "The Windows companion programs need the cross compiler i686-w64-mingw32-gcc. Install the Debian "
    "package gcc-mingw-w64-i686 (`make setup` does), or configure with -DBOOTCANVAS_GUEST_PROGRAMS=OFF "
    "to build a program that cannot put them into a guest.")
endif()

set(GUEST_SOURCE_DIR ${PROJECT_SOURCE_DIR}/tools/win32)
set(GUEST_SHARED_SOURCES ${GUEST_SOURCE_DIR}/guest.c ${GUEST_SOURCE_DIR}/choice.c ${GUEST_SOURCE_DIR}/freestanding.c)
set(GUEST_FLAGS -std=gnu11 -Os -Wall -Wextra -Werror
  # No runtime library: nothing may call into one behind our back.
  -ffreestanding -fno-builtin -fno-tree-loop-distribute-patterns -fno-stack-protector
  -fno-asynchronous-unwind-tables -fno-ident -ffunction-sections
  -nostdlib -Wl,--subsystem,windows -Wl,-e,_companionEntry@0 -Wl,--gc-sections -s)
file(MAKE_DIRECTORY ${GUEST_PROGRAM_DIR})
foreach(program shufflet cyclette tandemist)
  set(output ${GUEST_PROGRAM_DIR}/${program}.exe)
  add_custom_command(OUTPUT ${output}
    COMMAND ${BOOTCANVAS_MINGW_CC} ${GUEST_FLAGS} -o ${output}
      ${GUEST_SOURCE_DIR}/${program}.c ${GUEST_SHARED_SOURCES} -lkernel32 -lgcc
    DEPENDS ${GUEST_SOURCE_DIR}/${program}.c ${GUEST_SHARED_SOURCES}
      ${GUEST_SOURCE_DIR}/guest.h ${GUEST_SOURCE_DIR}/choice.h
    COMMENT "Cross-compiling ${program}.exe for Windows 95"
    VERBATIM)
  list(APPEND GUEST_PROGRAM_FILES ${output})
endforeach()
