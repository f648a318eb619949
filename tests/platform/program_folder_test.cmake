# program_folder() as a started program sees it. A copy of the probe is started directly, by a
# relative path, through a symbolic link to it in another folder, and through a symbolic link
# to its folder: each time it names the folder the copy really lies in.
#   cmake -DPROBE=... -DWORK=... -P program_folder_test.cmake
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/installed" "${WORK}/links")
file(COPY "${PROBE}" DESTINATION "${WORK}/installed")
get_filename_component(probe_name "${PROBE}" NAME)
file(CREATE_LINK "${WORK}/installed/${probe_name}" "${WORK}/links/started_through_a_link" SYMBOLIC)
file(CREATE_LINK "${WORK}/installed" "${WORK}/linked_folder" SYMBOLIC)
file(REAL_PATH "${WORK}/installed" expected)

# Each way: the command, and the folder it is started from.
set(ways
  "${WORK}/installed/${probe_name}|${WORK}"
  "./${probe_name}|${WORK}/installed"
  "${WORK}/links/started_through_a_link|${WORK}"
  "./started_through_a_link|${WORK}/links"
  "${WORK}/linked_folder/${probe_name}|${WORK}/links")
foreach(way IN LISTS ways)
  string(REPLACE "|" ";" parts "${way}")
  list(GET parts 0 command)
  list(GET parts 1 folder)
  execute_process(COMMAND "${command}" WORKING_DIRECTORY "${folder}"
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0 OR NOT out STREQUAL expected)
    message(FATAL_ERROR "${command} (from ${folder}): status ${status}, ${err}\n"
      "  expected: [${expected}]\n  actual:   [${out}]")
  endif()
endforeach()
