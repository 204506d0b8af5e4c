# The tutorial drawer on a script drawing every verb (a small GIF89a, a PNG per step), and
# its refusals: each faulty script exits 1 naming the faulty line as FILE:LINE.
# cmake -DTOOL=... -DSCRIPTS=tests/tutorial/scripts -DOUT=dir -P tutorialgif_check.cmake
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})
execute_process(COMMAND ${TOOL} --png ${OUT}/png ${OUT}/allverbs.gif ${SCRIPTS}/allverbs.tut
  RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "allverbs.tut refused: ${err}")
endif()
file(SIZE ${OUT}/allverbs.gif size)
file(READ ${OUT}/allverbs.gif head LIMIT 6 HEX)
file(STRINGS ${SCRIPTS}/allverbs.tut steps REGEX "^step")
list(LENGTH steps nsteps)
file(GLOB pngs ${OUT}/png/allverbs-*.png)
list(LENGTH pngs npngs)
if(NOT head STREQUAL "474946383961" OR size GREATER 204800 OR NOT npngs EQUAL nsteps)
  message(FATAL_ERROR "allverbs.gif: header ${head}, ${size} bytes, ${npngs} PNGs for ${nsteps} steps")
endif()

# Each case: the line that is wrong, then the script (steps start on line 3).
set(cases
  "4|tutorial t\nstep\nsay \"x\"\nwobble 1 2"
  "4|tutorial t\nstep\nsay \"x\"\nlongdiv 0 3 \"12 ÷ 0\""
  "4|tutorial t\nstep\nsay \"x\"\ncolumn 0 3 \"5 - 9\""
  "4|tutorial t\nstep\nsay \"x\"\ntext 0 30 \"123\""
  "4|tutorial t\nstep\nsay \"x\"\nnote 0 0 7"
  "4|tutorial t\nstep\nsay \"x\"\nerase nothing"
  "4|tutorial t\nstep\nsay \"x\"\nstep\nsay \"one two three four five six seven eight nine ten eleven twelve thirteen fourteen fifteen sixteen seventeen eighteen nineteen twenty twenty-one twenty-two twenty-three twenty-four twenty-five twenty-six twenty-seven twenty-eight twenty-nine thirty\""
)
set(n 0)
foreach(case IN LISTS cases)
  math(EXPR n "${n} + 1")
  string(REPLACE "|" ";" parts "${case}")
  list(GET parts 0 line)
  list(GET parts 1 body)
  string(REPLACE "\\n" "\n" body "${body}")
  set(bad ${OUT}/bad${n}.tut)
  file(WRITE ${bad} "${body}\n")
  execute_process(COMMAND ${TOOL} ${OUT}/bad${n}.gif ${bad} RESULT_VARIABLE rc ERROR_VARIABLE err)
  if(NOT rc EQUAL 1 OR NOT err MATCHES "${bad}:${line}: ")
    message(FATAL_ERROR "case ${n}: exit ${rc}, said: ${err}")
  endif()
endforeach()
