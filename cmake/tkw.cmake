# Build settings and helper functions shared by every folder.

if(WIN32)
  # Every module sees the same Windows headers (structure sizes depend on these); the SDK hands
  # them on to hosts.
  set(TKW_WINDOWS_DEFINITIONS UNICODE _UNICODE NOMINMAX STRICT
                              WINVER=0x0601 _WIN32_WINNT=0x0601 _WIN32_IE=0x0800)
  add_compile_definitions(${TKW_WINDOWS_DEFINITIONS})
  # One copy of the C and C++ runtimes in every module, so no runtime DLL must travel with us.
  add_link_options(-static -static-libgcc -static-libstdc++)
  if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
    set(TKW_RUNS_TESTS ON)
  else()
    set(TKW_RUNS_TESTS OFF)
  endif()
  set(TKW_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
  configure_file(${CMAKE_SOURCE_DIR}/cmake/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh @ONLY)
  set(TKW_WINE ${CMAKE_BINARY_DIR}/wine-run.sh)
else()
  set(TKW_SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_compile_options(${TKW_SANITIZE} -g)
  add_link_options(${TKW_SANITIZE})
  set(TKW_RUNS_TESTS ON)
endif()

# GoogleTest from the distribution's sources, built with our own flags.
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
if(WIN32)
  # gtest uses the ANSI API on purpose; it must not see our UNICODE defines.
  foreach(t gtest gtest_main)
    target_compile_options(${t} PRIVATE -UUNICODE -U_UNICODE -Wno-error)
  endforeach()
endif()
include(GoogleTest)

# tkw_require(target...): stops the configure step, naming the part, when a library another
# folder builds is missing (a name that is no target would reach the linker as a plain -l).
function(tkw_require)
  foreach(t ${ARGN})
    if(NOT TARGET ${t})
      message(FATAL_ERROR "missing part: no target ${t} (needed by ${CMAKE_CURRENT_SOURCE_DIR})")
    endif()
  endforeach()
endfunction()

# tkw_test_exe(name DIR dir LIBS ...): one test program from every .cpp file in dir.
# Its cases are registered with ctest where this tree can run them (win64 under wine,
# native directly); on win32 it is only compiled and linked.
function(tkw_test_exe name)
  cmake_parse_arguments(T "" "DIR;TIMEOUT" "LIBS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${T_DIR}/*.cpp)
  if(NOT srcs)
    message(FATAL_ERROR "test program ${name}: no .cpp files in ${T_DIR}")
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  add_executable(${name} ${srcs})
  target_link_libraries(${name} PRIVATE ${T_LIBS})
  if(TKW_RUNS_TESTS)
    if(WIN32)
      set(emu CROSSCOMPILING_EMULATOR ${TKW_WINE})
      set_target_properties(${name} PROPERTIES CROSSCOMPILING_EMULATOR ${TKW_WINE})
    endif()
    # Cases are named <program>.<suite>.<case>, so ctest -R <program> runs one program.
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120 TEST_PREFIX ${name}.
                         WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin
                         PROPERTIES TIMEOUT ${T_TIMEOUT})
  endif()
endfunction()

# tkw_resource_dll(name RC file DEPENDS ... INCLUDES ...): a resource-only DLL (no code, no CRT).
# PE ld has no --no-entry, so a one-line entry stub stands in; on i686 its stdcall name is
# decorated (and ld only warns when -e names nothing, hence --fatal-warnings). DEPENDS files
# also become sources, so custom commands in the same folder that draw them run first.
function(tkw_resource_dll name)
  cmake_parse_arguments(R "" "RC" "DEPENDS;INCLUDES" ${ARGN})
  set(stub ${CMAKE_CURRENT_BINARY_DIR}/${name}_entry.c)
  file(WRITE ${stub} "int __stdcall DllMainCRTStartup(void* h, unsigned long r, void* p) { (void)h; (void)r; (void)p; return 1; }\n")
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(entry _DllMainCRTStartup@12)
  else()
    set(entry DllMainCRTStartup)
  endif()
  add_library(${name} SHARED ${stub} ${R_RC} ${R_DEPENDS})
  set_target_properties(${name} PROPERTIES PREFIX "" LINK_OPTIONS "-nostdlib;-Wl,-e,${entry};-Wl,--fatal-warnings"
                        LINKER_LANGUAGE C)
  target_include_directories(${name} PRIVATE ${R_INCLUDES})
  if(R_DEPENDS)
    set_source_files_properties(${R_RC} PROPERTIES OBJECT_DEPENDS "${R_DEPENDS}")
  endif()
endfunction()

# tkw_asset(file TOOL icon|bitmap|avi DESIGN design [ARGS ...]): draws an image or animation at
# build time with resources/tools/make_<tool>.py into <current binary dir>/assets/<file>, and
# appends the path to TKW_ASSETS in the caller's scope. The writers validate what they write.
if(WIN32)
  find_package(Python3 REQUIRED COMPONENTS Interpreter)
endif()
function(tkw_asset file)
  cmake_parse_arguments(A "" "TOOL;DESIGN" "ARGS" ${ARGN})
  set(tools ${CMAKE_SOURCE_DIR}/resources/tools)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/assets/${file})
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/assets
    COMMAND ${Python3_EXECUTABLE} ${tools}/make_${A_TOOL}.py ${A_DESIGN} ${out} ${A_ARGS}
    DEPENDS ${tools}/make_${A_TOOL}.py ${tools}/canvas.py ${tools}/assettool.py ${tools}/bmpfile.py
    COMMENT "Drawing ${file}" VERBATIM)
  set(TKW_ASSETS ${TKW_ASSETS} ${out} PARENT_SCOPE)
endfunction()
