# Test fixture: lays out fresh program folders with tavrik.exe and runs it there.
#   first/   run twice (the second run on the data of the first)
#   second/  run once; its files must equal first/ byte for byte
#   blocked/ a file stands where the folder "bmp" belongs: the run must fail
# Called as: cmake -DINSTALLER=<tavrik.exe> -DWORK=<folder> -P run_installer.cmake
file(REMOVE_RECURSE "${WORK}")
foreach(name first second blocked)
  file(MAKE_DIRECTORY "${WORK}/${name}")
  file(COPY "${INSTALLER}" DESTINATION "${WORK}/${name}")
endforeach()
file(WRITE "${WORK}/blocked/bmp" "no folder")

function(run_in folder expected)
  execute_process(COMMAND "${WORK}/${folder}/tavrik.exe"
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc STREQUAL "${expected}")
    message(FATAL_ERROR "tavrik.exe in ${folder}: exit ${rc}, expected ${expected}\n${err}")
  endif()
  file(WRITE "${WORK}/${folder}.stderr" "${err}")
endfunction()

run_in(first 0)
run_in(first 0)
run_in(second 0)
run_in(blocked 1)
