# Writes the planted marker's .def file: it exports, as its one stub, every function that
# penderlin.exe imports, from whichever DLL, so that the program starts with the marker standing
# in for any DLL it imports (a planted DLL lacking an import keeps the program from starting at
# all, which would prove nothing about where it looks).
#   cmake -DOBJDUMP=... -DPROGRAM=penderlin.exe -DOUTPUT=marker.def -P MarkerExports.cmake
execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE dump COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "\n\t[0-9a-f]+\t +[0-9]+ +[A-Za-z_][A-Za-z0-9_@]*" entries "${dump}")
set(functions "")
foreach(entry IN LISTS entries)
    string(REGEX REPLACE ".* " "" function "${entry}")
    list(APPEND functions ${function})
endforeach()
list(REMOVE_DUPLICATES functions)
list(SORT functions)
set(def "EXPORTS\n")
foreach(function IN LISTS functions)
    string(APPEND def "    ${function} = PlantedExport\n")
endforeach()
file(WRITE ${OUTPUT} "${def}")
