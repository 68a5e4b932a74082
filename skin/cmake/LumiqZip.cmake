# Puts together Lumiq.zip for installer authors (cmake -P): the DLL, lqs-pack
# for Linux and for Windows, the guide, and the demo skin: every file of the
# demo folder and whatever the build made for it in DEMO_BUILD_DIR (a drawn
# bitmap, say), with a skin file packed from each description among them.
# Variables: OUT, WORK, DLL, LQS_PACK, LQS_PACK_EXE, GUIDE, DEMO_DIR,
# DEMO_BUILD_DIR; and STRIP, WIN32_STRIP to strip the programs when set.
foreach(var OUT WORK DLL LQS_PACK LQS_PACK_EXE GUIDE DEMO_DIR)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "LumiqZip.cmake needs -D${var}=...")
  endif()
endforeach()

set(root ${WORK}/Lumiq)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${root}/demo)
file(COPY ${DLL} ${LQS_PACK} ${LQS_PACK_EXE} DESTINATION ${root})
file(COPY ${GUIDE} DESTINATION ${root})
# Debugging data stays in the build; installer authors get the lean files.
get_filename_component(dll_name ${DLL} NAME)
get_filename_component(exe_name ${LQS_PACK_EXE} NAME)
get_filename_component(tool_name ${LQS_PACK} NAME)
if(WIN32_STRIP)
  execute_process(COMMAND ${WIN32_STRIP} ${root}/${dll_name} ${root}/${exe_name} COMMAND_ERROR_IS_FATAL ANY)
endif()
if(STRIP)
  execute_process(COMMAND ${STRIP} ${root}/${tool_name} COMMAND_ERROR_IS_FATAL ANY)
endif()

# Whatever the demo folders hold now goes in, but no skin files or extracts
# from earlier runs: the skins are packed afresh below.
file(GLOB demo_files LIST_DIRECTORIES false ${DEMO_DIR}/*)
if(NOT demo_files)
  message(FATAL_ERROR "no demo files in ${DEMO_DIR}")
endif()
if(DEMO_BUILD_DIR AND IS_DIRECTORY ${DEMO_BUILD_DIR})
  file(GLOB built_files LIST_DIRECTORIES false ${DEMO_BUILD_DIR}/*)
  list(FILTER built_files EXCLUDE REGEX "\\.(lqs|tmp)$")
  list(APPEND demo_files ${built_files})
endif()
file(COPY ${demo_files} DESTINATION ${root}/demo)
file(GLOB descriptions ${root}/demo/*.txt)
set(built 0)
foreach(file IN LISTS descriptions)
  get_filename_component(stem ${file} NAME_WE)
  execute_process(COMMAND ${LQS_PACK} ${file} ${root}/demo/${stem}.lqs
                  RESULT_VARIABLE result ERROR_VARIABLE error)
  if(result EQUAL 0)
    math(EXPR built "${built} + 1")
  else()
    message(STATUS "Lumiq.zip: ${file} is no skin description (${error})")
  endif()
endforeach()
if(built EQUAL 0)
  message(FATAL_ERROR "no skin could be built from the demo folder ${DEMO_DIR}")
endif()

# The folder of OUT may not exist yet: Ninja makes it for the target's
# byproduct, Unix Makefiles and others do not.
get_filename_component(out_dir ${OUT} DIRECTORY)
file(MAKE_DIRECTORY ${out_dir})
file(REMOVE ${OUT})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${OUT} --format=zip Lumiq
                WORKING_DIRECTORY ${WORK} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "could not write ${OUT}")
endif()
