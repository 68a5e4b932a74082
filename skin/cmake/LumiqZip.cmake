# Puts together Lumiq.zip for installer authors (cmake -P): the DLL, lqs-pack
# for Linux and for Windows, the guide, and the demo folder as it is, with a
# skin file built from each description in it.
# Variables: OUT, WORK, DLL, LQS_PACK, LQS_PACK_EXE, GUIDE, DEMO_DIR; and
# STRIP, WIN32_STRIP to strip the copies of the programs when set.
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

# Whatever the demo folder holds now goes in; descriptions are .txt files.
file(GLOB demo_files LIST_DIRECTORIES false ${DEMO_DIR}/*)
if(NOT demo_files)
  message(FATAL_ERROR "no demo files in ${DEMO_DIR}")
endif()
file(COPY ${demo_files} DESTINATION ${root}/demo)
set(built 0)
foreach(file IN LISTS demo_files)
  if(file MATCHES "\\.txt$")
    get_filename_component(stem ${file} NAME_WE)
    execute_process(COMMAND ${LQS_PACK} ${file} ${root}/demo/${stem}.lqs
                    RESULT_VARIABLE result ERROR_VARIABLE error)
    if(result EQUAL 0)
      math(EXPR built "${built} + 1")
    else()
      message(STATUS "Lumiq.zip: ${file} is no skin description (${error})")
    endif()
  endif()
endforeach()
if(built EQUAL 0)
  message(FATAL_ERROR "no skin could be built from the demo folder ${DEMO_DIR}")
endif()

file(REMOVE ${OUT})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${OUT} --format=zip Lumiq
                WORKING_DIRECTORY ${WORK} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "could not write ${OUT}")
endif()
