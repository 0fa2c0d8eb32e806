# Test fixture: lays out fresh program folders with tavrik.exe and runs it there.
#   first/    run twice (the second run on the data of the first)
#   second/   run once; its files must equal first/ byte for byte
#   hostile/  links, files and folders stand in the way: the run must replace
#             them and write nothing outside (outside/ must stay as it was)
#   full/     no file above 4 KiB can be written (as on a full disk): the run must
#             go on, write what it can and fail with a German report
# Called as: cmake -DINSTALLER=<tavrik.exe> -DWORK=<folder> -P run_installer.cmake
file(REMOVE_RECURSE "${WORK}")
foreach(name first second hostile full)
  file(MAKE_DIRECTORY "${WORK}/${name}")
  file(COPY "${INSTALLER}" DESTINATION "${WORK}/${name}")
endforeach()

file(WRITE "${WORK}/outside/fremd.txt" "not the installer's")
file(MAKE_DIRECTORY "${WORK}/outside/bilder")
file(MAKE_DIRECTORY "${WORK}/hostile/bmp/AuteDLOU.bmp")
file(WRITE "${WORK}/hostile/bmp/AutoRL.bmp/darin.txt" "a folder in the way")
file(MAKE_DIRECTORY "${WORK}/hostile/bmp/Autedlou.bmp")  # beside the probe, in its own spelling
file(CREATE_LINK "${WORK}/outside/fremd.txt" "${WORK}/hostile/bmp/StrasOU.bmp" SYMBOLIC)
file(CREATE_LINK "${WORK}/outside/bilder" "${WORK}/hostile/ico" SYMBOLIC)
file(WRITE "${WORK}/hostile/wav" "a file where the sounds' folder belongs")

function(run_in folder expected)
  execute_process(COMMAND ${ARGN} "${WORK}/${folder}/tavrik.exe"
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc STREQUAL "${expected}")
    message(FATAL_ERROR "tavrik.exe in ${folder}: exit ${rc}, expected ${expected}\n${err}")
  endif()
  file(WRITE "${WORK}/${folder}.stderr" "${err}")
endfunction()

run_in(first 0)
run_in(first 0)
run_in(second 0)
run_in(hostile 0)
# A file size limit, its signal ignored, makes every larger write fail as a full
# disk would (no ";" in the script: it would split the argument list).
run_in(full 1 sh -c "trap '' XFSZ && ulimit -f 8 && exec \"$0\"")
