# One GoogleTest program and its ctest tests, labelled for the loops:
#   core      Qt-free unit tests, seconds in all (ctest -L core)
#   gui       Qt views and the program under a display or offscreen
#   scenario  the scenario runner's scripts
#   wine      Windows programs under Wine
#   package   the shipped packages
#
#   veltra_test_program(TARGET LABEL label SOURCES ... [LINK ...] [DEFINES ...]
#                       [OWN_MAIN] [ONE_TEST NAME] [OFFSCREEN])
# OWN_MAIN: the program has its own main() (a Qt application); ONE_TEST: it
# runs as one ctest test of that name instead of one per case; OFFSCREEN: its
# windows are drawn without a display. Where the calculator sets
# VELTRA_PRICE_LIST, the program is told the shipped price list.
#
# "cmake --build B --target tests-LABEL" builds what the tests of a label run
# (a test added by hand names its programs with add_dependencies), so a pass
# that runs one label builds no more than it.
set(VELTRA_TEST_LABELS core gui scenario wine package)
foreach(label IN LISTS VELTRA_TEST_LABELS)
  add_custom_target(tests-${label})
endforeach()
function(veltra_test_program target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "OWN_MAIN;OFFSCREEN" "LABEL;ONE_TEST"
                        "SOURCES;LINK;DEFINES")
  if(NOT arg_LABEL IN_LIST VELTRA_TEST_LABELS)
    message(FATAL_ERROR "veltra_test_program(${target}): LABEL is one of ${VELTRA_TEST_LABELS}")
  endif()
  add_executable(${target} ${arg_SOURCES})
  # The test sources compile a few to a unit: they share most headers
  # (GoogleTest's above all), which are then read once per unit.
  set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 4)
  add_dependencies(tests-${arg_LABEL} ${target})
  if(arg_OWN_MAIN)
    target_link_libraries(${target} PRIVATE ${arg_LINK} GTest::gtest)
  else()
    target_link_libraries(${target} PRIVATE ${arg_LINK} GTest::gtest_main)
  endif()
  if(VELTRA_PRICE_LIST)
    target_compile_definitions(${target} PRIVATE VELTRA_PRICE_LIST="${VELTRA_PRICE_LIST}")
  endif()
  if(arg_DEFINES)
    target_compile_definitions(${target} PRIVATE ${arg_DEFINES})
  endif()
  set(properties LABELS ${arg_LABEL})
  if(arg_OFFSCREEN)
    list(APPEND properties ENVIRONMENT QT_QPA_PLATFORM=offscreen)
  endif()
  if(arg_ONE_TEST)
    add_test(NAME ${arg_ONE_TEST} COMMAND ${target})
    set_tests_properties(${arg_ONE_TEST} PROPERTIES ${properties})
  else()
    gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST PROPERTIES ${properties})
  endif()
endfunction()
