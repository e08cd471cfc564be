# The layer check refuses a wrong tree with the same two lines whatever the
# length of the path it is reached through: the tree is reached through
# symbolic links in /tmp whose paths are 10 to 260 characters long, by steps of
# five (a wrapped message would differ over a range of lengths, not at one),
# and through one of about 400 characters below nested folders.
# Run as: cmake -DTREE=<wrong tree> -DCHECK=<CheckEngineIncludes.cmake> -P this
set(expected
  "layer: src/consulta/Motore.cpp: #include \"metodi/RicercaMetodi.h\"\nlayer: src/core/Dominio.cpp: #include \"shell/frmMain.h\"\n")
string(RANDOM LENGTH 4 ALPHABET abcdefghijklmnopqrstuvwxyz tag)
set(links "")
set(failures "")

# Records a failure and goes on, so the links are removed in any case.
function(check_through path)
  execute_process(COMMAND ${CMAKE_COMMAND} -DSRC=${path} -P ${CHECK}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  string(FIND "${err}" "${expected}" at)
  if(rc EQUAL 0 OR NOT at EQUAL 0 OR NOT err MATCHES "2 include\\(s\\) above their layer")
    string(LENGTH "${path}" n)
    set(failures "${failures}through ${n} characters (${path}), exit ${rc}:\n${out}${err}\n"
        PARENT_SCOPE)
  endif()
endfunction()

foreach(len RANGE 10 260 5)
  math(EXPR pad "${len} - 10")               # "/tmp/q" and the tag are 10
  string(REPEAT "x" ${pad} fill)
  set(link "/tmp/q${tag}${fill}")
  file(CREATE_LINK "${TREE}" "${link}" SYMBOLIC RESULT res)
  if(NOT res EQUAL 0)
    set(failures "${failures}cannot link ${link}: ${res}\n")
    break()
  endif()
  list(APPEND links "${link}")
  check_through("${link}")
endforeach()

string(REPEAT "y" 120 part)
set(deep "/tmp/q${tag}_deep/${part}/${part}/${part}")
file(MAKE_DIRECTORY "${deep}")
file(CREATE_LINK "${TREE}" "${deep}/albero" SYMBOLIC)
check_through("${deep}/albero")

file(REMOVE ${links})
file(REMOVE_RECURSE "/tmp/q${tag}_deep")
if(failures)
  message(FATAL_ERROR "the wrong tree was not refused as expected:\n${failures}")
endif()
