# Builds the Windows part of Lumiq in cross-compiled sub-builds and runs its
# tests under Wine. The product is the 32-bit build; where a 64-bit
# mingw-w64 is present the same code is also built for 64-bit Windows, so the
# Windows tests can run on machines whose kernel runs no 32-bit programs.
include(ExternalProject)

find_program(LUMIQ_MINGW32_CXX i686-w64-mingw32-g++-posix)
if(NOT LUMIQ_MINGW32_CXX)
  message(FATAL_ERROR "Lumiq needs i686-w64-mingw32-g++-posix: run scripts/setup.sh, "
                      "or configure with -DLUMIQ_WIN32=OFF")
endif()
find_program(LUMIQ_MINGW64_CXX x86_64-w64-mingw32-g++-posix)
if(LUMIQ_MINGW64_CXX)
  set(_lumiq_win64_default ON)
else()
  set(_lumiq_win64_default OFF)
endif()
option(LUMIQ_WIN64_CHECK "Also build and run the Windows tests as 64-bit programs"
       ${_lumiq_win64_default})

set(_lumiq_build_type ${CMAKE_BUILD_TYPE})
if(NOT _lumiq_build_type)
  set(_lumiq_build_type Release)
endif()

# The sub-builds compile through the same cache as the main build.
set(_lumiq_launchers)
foreach(lang C CXX)
  if(CMAKE_${lang}_COMPILER_LAUNCHER)
    list(APPEND _lumiq_launchers -DCMAKE_${lang}_COMPILER_LAUNCHER=${CMAKE_${lang}_COMPILER_LAUNCHER})
  endif()
endforeach()

set(_lumiq_runner ${CMAKE_CURRENT_SOURCE_DIR}/tests/win32/run-wine.sh)
set(_lumiq_demo ${LUMIQ_DEMO_DIR})

# The build packs the demo skin; this lists it back, so a skin the tools
# cannot read fails here before the host tries it.
if(BUILD_TESTING)
  add_test(NAME lumiq_demo_skin COMMAND lqs-pack --list ${_lumiq_demo}/Demo.lqs)
  set_tests_properties(lumiq_demo_skin PROPERTIES FIXTURES_SETUP lumiq_demo LABELS core)
  add_dependencies(tests-core lumiq_demo)
endif()

function(lumiq_windows_build arch toolchain)
  set(name lumiq_${arch})
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/${arch})
  ExternalProject_Add(${name}
    SOURCE_DIR ${CMAKE_CURRENT_SOURCE_DIR}/win32
    BINARY_DIR ${dir}
    PREFIX ${CMAKE_CURRENT_BINARY_DIR}/${name}-ep
    CMAKE_ARGS
      -DCMAKE_TOOLCHAIN_FILE=${CMAKE_CURRENT_SOURCE_DIR}/cmake/${toolchain}
      -DCMAKE_BUILD_TYPE=${_lumiq_build_type}
      "-DCMAKE_C_FLAGS_RELWITHDEBINFO=${CMAKE_C_FLAGS_RELWITHDEBINFO}"
      "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=${CMAKE_CXX_FLAGS_RELWITHDEBINFO}"
      ${_lumiq_launchers}
      -DBUILD_TESTING=${BUILD_TESTING}
      ${ARGN}
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    BUILD_BYPRODUCTS ${dir}/bin/Lumiq.dll ${dir}/bin/lumiq_win32_tests.exe
                     ${dir}/bin/lumiq-host.exe)

  if(NOT BUILD_TESTING)
    return()
  endif()
  add_dependencies(tests-wine ${name} lumiq_demo)
  set(prefix ${CMAKE_CURRENT_BINARY_DIR}/wineprefix-${arch})
  add_test(NAME lumiq_${arch}_tests
    COMMAND ${_lumiq_runner} ${arch} ${prefix} ${dir}/bin/lumiq_win32_tests.exe)
  add_test(NAME lumiq_${arch}_host
    COMMAND ${_lumiq_runner} ${arch} ${prefix} ${dir}/bin/lumiq-host.exe
            --close-after 1500 Z:${_lumiq_demo} Demo)
  set_tests_properties(lumiq_${arch}_tests lumiq_${arch}_host PROPERTIES
    SKIP_RETURN_CODE 77 RESOURCE_LOCK lumiq_wine TIMEOUT 900 LABELS wine)
  # Where 32-bit programs run only under emulation, the 32-bit run is this
  # smoke subset (the DLL's interface, skinning, every control kind); the
  # sweeps and the 200 skinned windows run in the other builds.
  set_tests_properties(lumiq_${arch}_tests PROPERTIES ENVIRONMENT
    "LUMIQ_WINE_SMOKE_ARGS=--gtest_filter=PluginInterface.*:SkinWindowTest.*:ControlsTest.*-*Truncated*")
  # The exit code says whether the window was skinned; the report says how.
  set_tests_properties(lumiq_${arch}_host PROPERTIES FIXTURES_REQUIRED lumiq_demo
    FAIL_REGULAR_EXPRESSION "region none|caption kept| 0 of ")
endfunction()

lumiq_windows_build(win32 mingw-i686.cmake)
if(LUMIQ_WIN64_CHECK AND BUILD_TESTING)  # only there for the tests
  lumiq_windows_build(win64 mingw-x86_64.cmake -DLUMIQ_LOW_IMAGE_BASE=ON)
endif()

# The 32-bit product's interface, read from the DLL without running it, so
# that it is checked on machines that cannot run 32-bit programs too.
find_program(LUMIQ_MINGW32_OBJDUMP i686-w64-mingw32-objdump)
find_program(LUMIQ_MINGW32_NM i686-w64-mingw32-nm)
if(BUILD_TESTING AND LUMIQ_MINGW32_OBJDUMP AND LUMIQ_MINGW32_NM)
  add_test(NAME lumiq_win32_abi
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/tests/win32/check-abi.sh ${LUMIQ_MINGW32_OBJDUMP}
            ${LUMIQ_MINGW32_NM} ${CMAKE_CURRENT_BINARY_DIR}/win32/bin/Lumiq.dll)
  set_tests_properties(lumiq_win32_abi PROPERTIES LABELS package)
  add_dependencies(tests-package lumiq_win32)
endif()

# Lumiq.zip for installer authors; the demo files are collected when it is
# built, so new ones need no change here.
set(_lumiq_zip ${CMAKE_BINARY_DIR}/packages/Lumiq.zip)
find_program(LUMIQ_MINGW32_STRIP i686-w64-mingw32-strip)
add_custom_target(lumiq_zip ALL
  COMMAND ${CMAKE_COMMAND}
          -DSTRIP=${CMAKE_STRIP} -DWIN32_STRIP=${LUMIQ_MINGW32_STRIP}
          -DOUT=${_lumiq_zip} -DWORK=${CMAKE_CURRENT_BINARY_DIR}/zip
          -DDLL=${CMAKE_CURRENT_BINARY_DIR}/win32/bin/Lumiq.dll
          -DLQS_PACK=$<TARGET_FILE:lqs-pack>
          -DLQS_PACK_EXE=${CMAKE_CURRENT_BINARY_DIR}/win32/bin/lqs-pack.exe
          -DGUIDE=${CMAKE_CURRENT_SOURCE_DIR}/GUIDE.md
          -DDEMO_DIR=${CMAKE_CURRENT_SOURCE_DIR}/host/demo
          -DDEMO_BUILD_DIR=${CMAKE_CURRENT_BINARY_DIR}/demo
          -P ${CMAKE_CURRENT_SOURCE_DIR}/cmake/LumiqZip.cmake
  BYPRODUCTS ${_lumiq_zip}
  COMMENT "Lumiq.zip for installer authors"
  VERBATIM)
add_dependencies(lumiq_zip lumiq_win32 lqs-pack)
if(TARGET lumiq_demo)  # a demo skin the build draws or packs itself
  add_dependencies(lumiq_zip lumiq_demo)
endif()
find_package(Python3 COMPONENTS Interpreter)
if(BUILD_TESTING AND Python3_FOUND)
  add_test(NAME lumiq_zip_contents
    COMMAND Python3::Interpreter ${CMAKE_CURRENT_SOURCE_DIR}/tests/check_zip.py
            ${_lumiq_zip} ${CMAKE_CURRENT_SOURCE_DIR}/GUIDE.md ${CMAKE_CURRENT_SOURCE_DIR}/host/demo)
  set_tests_properties(lumiq_zip_contents PROPERTIES LABELS package)
  add_dependencies(tests-package lumiq_zip)
endif()
