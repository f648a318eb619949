# Runs plessard-macro the way a host script would, one case per ctest entry, and checks its exit
# status, its two streams and the bytes of the files it writes.
#   cmake [-DEMULATOR=wine] [-DTOOL_ON_WINDOWS=1] -DTOOL=... -DDATA=... -DWORK=... -DXMLLINT=...
#         -DVERSION=... -DCASE=... -P smoke_test.cmake
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")

# Runs the tool in WORK; sets status, out and err. Messages and summaries are text, whose lines
# end in CR LF on Windows; the files the tool writes are compared byte for byte instead. A
# function rather than a macro, so that a backslash in an argument stays a backslash.
function(run_tool)
  execute_process(COMMAND ${EMULATOR} "${TOOL}" ${ARGN}
    WORKING_DIRECTORY "${WORK}"
    RESULT_VARIABLE result OUTPUT_VARIABLE stdout ERROR_VARIABLE stderr)
  if(TOOL_ON_WINDOWS)
    string(REPLACE "\r\n" "\n" stdout "${stdout}")
    string(REPLACE "\r\n" "\n" stderr "${stderr}")
  endif()
  set(status "${result}" PARENT_SCOPE)
  set(out "${stdout}" PARENT_SCOPE)
  set(err "${stderr}" PARENT_SCOPE)
endfunction()

function(expect what actual expected)
  if(NOT "${actual}" STREQUAL "${expected}")
    message(FATAL_ERROR "${CASE}: ${what}\n  expected: [${expected}]\n  actual:   [${actual}]")
  endif()
endfunction()

function(expect_match what actual pattern)
  if(NOT "${actual}" MATCHES "${pattern}")
    message(FATAL_ERROR "${CASE}: ${what}\n  expected to match: [${pattern}]\n  actual: [${actual}]")
  endif()
endfunction()

function(expect_same_bytes actual expected)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${actual}" "${expected}"
    RESULT_VARIABLE different)
  if(different)
    message(FATAL_ERROR "${CASE}: ${actual} differs from ${expected}")
  endif()
endfunction()

function(expect_missing file)
  if(EXISTS "${file}")
    message(FATAL_ERROR "${CASE}: ${file} must not have been written")
  endif()
endfunction()

function(count_matches result text pattern)
  string(REGEX MATCHALL "${pattern}" found "${text}")
  list(LENGTH found n)
  set(${result} ${n} PARENT_SCOPE)
endfunction()

# file(READ) as text drops carriage returns, so line ends are counted in hexadecimal.
function(count_in_file result file text)
  file(READ "${file}" bytes HEX)
  string(HEX "${text}" pattern)
  count_matches(n "${bytes}" "${pattern}")
  set(${result} ${n} PARENT_SCOPE)
endfunction()

set(input "${DATA}/vb_input.txt")

if(CASE STREQUAL "write_worked_example")
  # The defaults: ./vb_input.txt in, ./vb_output.txt out.
  file(COPY "${input}" DESTINATION "${WORK}")
  run_tool(write --nx 1 --ny 1)
  expect("exit status" "${status}" 0)
  expect("standard error" "${err}" "")
  expect_same_bytes("${WORK}/vb_output.txt" "${DATA}/worked_example.txt")

elseif(CASE STREQUAL "write_default_array")
  run_tool(write --input "${input}" --output array.txt)
  expect("exit status" "${status}" 0)
  expect_same_bytes("${WORK}/array.txt" "${DATA}/default_array.txt")

elseif(CASE STREQUAL "write_to_standard_output")
  execute_process(COMMAND ${EMULATOR} "${TOOL}" write --input "${input}" --output - --nx 1 --ny 1
    WORKING_DIRECTORY "${WORK}" RESULT_VARIABLE status OUTPUT_FILE "${WORK}/stdout.txt")
  expect("exit status" "${status}" 0)
  expect_same_bytes("${WORK}/stdout.txt" "${DATA}/worked_example.txt")
  expect_missing("${WORK}/vb_output.txt")

elseif(CASE STREQUAL "write_to_full_standard_output")
  # Standard output on a full disk: the failing write is reported, never passed over.
  execute_process(COMMAND "${TOOL}" write --input "${input}" --output -
    WORKING_DIRECTORY "${WORK}" RESULT_VARIABLE status OUTPUT_FILE /dev/full ERROR_VARIABLE err)
  expect("exit status" "${status}" 1)
  expect("standard error" "${err}" "Cannot write to standard output: No space left on device\n")
  expect_missing("${WORK}/vb_output.txt")

elseif(CASE STREQUAL "write_rejected_parameter")
  run_tool(write --input "${input}" --nx 11)
  expect("exit status" "${status}" 2)
  expect("standard error" "${err}" "NX must between 1 and 10\n")
  expect_missing("${WORK}/vb_output.txt")
  run_tool(write --input "${input}" --dy=-0.5)
  expect("exit status" "${status}" 2)
  expect("standard error" "${err}" "DY must between 0 and 100\n")
  run_tool(write --input "${input}" --dx " ")
  expect("exit status" "${status}" 2)
  expect("standard error" "${err}" "Please enter a value for DX\n")

elseif(CASE STREQUAL "write_missing_input")
  run_tool(write)
  expect("exit status" "${status}" 1)
  expect("standard error" "${err}"
    "Cannot open ./vb_input.txt for reading: No such file or directory\n")
  expect_missing("${WORK}/vb_output.txt")

elseif(CASE STREQUAL "write_overflow")
  file(WRITE "${WORK}/huge.txt" "1e38, 4\n8, 3\n1, 0.5\n")
  run_tool(write --input huge.txt --nx 10)
  expect("exit status" "${status}" 1)
  expect_match("standard error" "${err}" "^Floating-point overflow")

elseif(CASE STREQUAL "write_usage_error")
  foreach(arguments IN ITEMS "write;--bogus" "write;--nx" "check" "check;a.txt;b.txt" "draw" "")
    run_tool(${arguments})
    expect("exit status of '${arguments}'" "${status}" 2)
  endforeach()

elseif(CASE STREQUAL "empty_file_names")
  # An empty name, wherever a file is named, is a mistake on the command line: never a file of
  # no name, never standard output. Each entry: the arguments before the empty one, and the
  # name of what was left empty.
  foreach(entry IN ITEMS "write,--input|--input" "write,--output|--output" "check|FILE"
      "svg|FILE" "svg,default_array.txt,-o|--output" "dxf|FILE"
      "dxf,default_array.txt,--output|--output")
    string(REPLACE "|" ";" entry "${entry}")
    list(GET entry 0 arguments)
    list(GET entry 1 what)
    string(REPLACE "," ";" arguments "${arguments}")
    # Quoted, the empty argument reaches the tool; in a list it would vanish.
    execute_process(COMMAND ${EMULATOR} "${TOOL}" ${arguments} ""
      WORKING_DIRECTORY "${WORK}" RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    string(REPLACE "\r\n" "\n" err "${err}")
    expect("exit status of '${arguments}' with an empty name" "${status}" 2)
    expect("standard error of '${arguments}' with an empty name" "${err}"
      "${what}: an empty file name\nRun with --help for more information.\n")
    expect("standard output of '${arguments}' with an empty name" "${out}" "")
  endforeach()
  expect_missing("${WORK}/vb_output.txt")

elseif(CASE STREQUAL "help_to_full_standard_output")
  # Help or a version that never arrived is no success.
  foreach(arguments IN ITEMS "--help" "write;--help" "--version" "dxf;--version")
    execute_process(COMMAND "${TOOL}" ${arguments}
      WORKING_DIRECTORY "${WORK}" RESULT_VARIABLE status OUTPUT_FILE /dev/full ERROR_VARIABLE err)
    expect("exit status of '${arguments}'" "${status}" 1)
    expect("standard error of '${arguments}'" "${err}"
      "Cannot write to standard output: No space left on device\n")
  endforeach()

elseif(CASE STREQUAL "help_and_version")
  run_tool(--help)
  expect("exit status" "${status}" 0)
  foreach(command write check svg dxf)
    expect_match("help" "${out}" "\n  ${command} ")
  endforeach()
  foreach(command "" write check svg dxf)
    run_tool(${command} --version)
    expect("exit status of ${command} --version" "${status}" 0)
    expect("version of '${command}'" "${out}" "plessard-macro ${VERSION}\n")
    run_tool(${command} --help)
    expect("exit status of ${command} --help" "${status}" 0)
  endforeach()

elseif(CASE STREQUAL "check_accepts")
  file(COPY "${DATA}/default_array.txt" DESTINATION "${WORK}")
  run_tool(check default_array.txt)
  expect("exit status" "${status}" 0)
  expect("summary" "${out}" "default_array.txt: accepted
  lines      176
  parts      12
  rectangle  (-1.0, -0.8) to (44.0, 26.4)
  width      45.0
  height     27.2
")
  expect("standard error" "${err}" "")

elseif(CASE STREQUAL "check_rejects")
  file(COPY "${DATA}/damaged_no_99.txt" DESTINATION "${WORK}")
  run_tool(check damaged_no_99.txt)
  expect("exit status" "${status}" 1)
  expect("problems" "${err}" "damaged_no_99.txt:21: the contour of part 1 (line 8) has not ended with record 99 before the end mark\n")
  expect("standard output" "${out}" "")

elseif(CASE STREQUAL "check_incomplete")
  file(COPY "${DATA}/damaged_cut.txt" DESTINATION "${WORK}")
  run_tool(check damaged_cut.txt)
  expect("exit status" "${status}" 1)
  expect("problems" "${err}" "damaged_cut.txt:21: incomplete file: it ends without the end mark \"-1\"\n")

elseif(CASE STREQUAL "check_missing_file")
  run_tool(check none.txt)
  expect("exit status" "${status}" 1)
  expect("standard error" "${err}" "Cannot open none.txt for reading: No such file or directory\n")

elseif(CASE STREQUAL "svg_draws")
  run_tool(svg "${DATA}/default_array.txt" -o array.svg)
  expect("exit status" "${status}" 0)
  execute_process(COMMAND "${XMLLINT}" --noout "${WORK}/array.svg"
    RESULT_VARIABLE xml_status ERROR_VARIABLE xml_err)
  expect("xmllint on the SVG" "${xml_status}: ${xml_err}" "0: ")
  file(READ "${WORK}/array.svg" svg)
  count_matches(parts "${svg}" "<path class=\"part\"")
  expect("parts drawn" "${parts}" 12)
  expect_match("strokes" "${svg}" "vector-effect: non-scaling-stroke")
  run_tool(svg "${DATA}/worked_example.txt")
  expect("exit status to standard output" "${status}" 0)
  expect_match("SVG on standard output" "${out}" "^<\\?xml .*</svg>\r?\n$")

elseif(CASE STREQUAL "svg_refuses")
  file(COPY "${DATA}/damaged_no_99.txt" DESTINATION "${WORK}")
  run_tool(svg damaged_no_99.txt -o out.svg)
  expect("exit status" "${status}" 1)
  expect_match("problems" "${err}" "^damaged_no_99.txt:21: ")
  expect_missing("${WORK}/out.svg")

elseif(CASE STREQUAL "dxf_draws")
  run_tool(dxf "${DATA}/default_array.txt" -o array.dxf)
  expect("exit status" "${status}" 0)
  count_in_file(sections "${WORK}/array.dxf" "  0\r\nSECTION\r\n")
  count_in_file(ends "${WORK}/array.dxf" "  0\r\nENDSEC\r\n")
  expect("sections" "${sections}" 3)
  expect("section ends" "${ends}" 3)
  count_in_file(arcs "${WORK}/array.dxf" "  0\r\nARC\r\n")
  expect("arcs" "${arcs}" 72)
  file(READ "${WORK}/array.dxf" dxf)
  expect_match("end of file" "${dxf}" "  0\nEOF\n$")

elseif(CASE STREQUAL "standard_output_onto_input")
  # "COMMAND m.txt > m.txt": the shell has emptied the file before the tool starts, and the tool
  # says so rather than drawing, checking or writing what is left.
  foreach(arguments IN ITEMS "svg;m.txt" "dxf;m.txt" "check;m.txt" "write;--input;m.txt;--output;-")
    file(COPY_FILE "${DATA}/worked_example.txt" "${WORK}/m.txt")
    execute_process(COMMAND ${EMULATOR} "${TOOL}" ${arguments}
      WORKING_DIRECTORY "${WORK}" RESULT_VARIABLE status OUTPUT_FILE "${WORK}/m.txt"
      ERROR_VARIABLE err)
    string(REPLACE "\r\n" "\n" err "${err}")
    expect("exit status of '${arguments}'" "${status}" 2)
    expect("standard error of '${arguments}'" "${err}" "standard output is m.txt itself, the file \
being read (and it is empty: a redirection with \">\" empties its file before the command starts)\n")
  endforeach()

elseif(CASE STREQUAL "non_ascii_paths")
  # A folder name that no one ANSI code page holds, a file name with the euro sign, and paths
  # given relative, absolute (a leading "/" that is no option) and with backslashes on Windows.
  set(folder "Größe部品")
  file(MAKE_DIRECTORY "${WORK}/${folder}")
  file(COPY "${input}" DESTINATION "${WORK}/${folder}")
  run_tool(write --input "${folder}/vb_input.txt" --output "${folder}/€uro.txt" --nx 1 --ny 1)
  expect("exit status of write" "${status}" 0)
  expect("standard error of write" "${err}" "")
  expect_same_bytes("${WORK}/${folder}/€uro.txt" "${DATA}/worked_example.txt")
  run_tool(check "${folder}/€uro.txt")
  expect("exit status of check" "${status}" 0)
  expect_match("summary" "${out}" "^${folder}/€uro.txt: accepted\n  lines      22\n")
  if(TOOL_ON_WINDOWS)
    run_tool(check "${folder}\\€uro.txt")
    expect("exit status of check with a backslash" "${status}" 0)
  endif()
  run_tool(svg "${WORK}/${folder}/€uro.txt" -o "деталь.svg")
  expect("exit status of svg from an absolute path" "${status}" 0)
  if(NOT EXISTS "${WORK}/деталь.svg")
    message(FATAL_ERROR "${CASE}: деталь.svg was not written")
  endif()
  run_tool(check "${folder}/none€.txt")
  expect("standard error of check" "${err}"
    "Cannot open ${folder}/none€.txt for reading: No such file or directory\n")

elseif(CASE STREQUAL "long_paths")
  # Past the 260 characters Windows opens without the "\\?\" form: read, written, checked,
  # and still known as the input when named as the output.
  string(REPEAT "d" 60 name)
  set(deep "${WORK}/${name}/${name}/${name}/${name}/${name}")
  file(MAKE_DIRECTORY "${deep}")
  file(COPY "${input}" DESTINATION "${deep}")
  string(LENGTH "${deep}/vb_output.txt" length)
  if(length LESS 300)
    message(FATAL_ERROR "${CASE}: the path is only ${length} characters long")
  endif()
  run_tool(write --input "${deep}/vb_input.txt" --output "${deep}/vb_output.txt")
  expect("exit status of write" "${status}" 0)
  expect_same_bytes("${deep}/vb_output.txt" "${DATA}/default_array.txt")
  run_tool(check "${deep}/vb_output.txt")
  expect("exit status of check" "${status}" 0)
  run_tool(write --input "${deep}/vb_input.txt" --output "${deep}/vb_input.txt")
  expect("exit status of write over its input" "${status}" 2)
  expect_same_bytes("${deep}/vb_input.txt" "${input}")

elseif(CASE STREQUAL "console_text")
  # A console whose code page (850) has no euro sign still shows the names as they are, on
  # standard output and on standard error alike.
  file(COPY "${TOOL}" "${CONSOLE_PROBE}" DESTINATION "${WORK}")
  get_filename_component(tool_name "${TOOL}" NAME)
  configure_file("${DATA}/worked_example.txt" "${WORK}/€uro-Größe.txt" COPYONLY)
  function(run_on_console)
    execute_process(COMMAND ${EMULATOR} "${WORK}/console_probe.exe" "${tool_name}" ${ARGN}
      WORKING_DIRECTORY "${WORK}" RESULT_VARIABLE result OUTPUT_VARIABLE screen)
    set(status "${result}" PARENT_SCOPE)
    set(out "${screen}" PARENT_SCOPE)
  endfunction()
  run_on_console(check "€uro-Größe.txt")
  expect("exit status of check" "${status}" 0)
  expect_match("the console after check" "${out}" "^€uro-Größe.txt: accepted\n  lines      22\n")
  run_on_console(check "none€.txt")
  expect("exit status of check none€.txt" "${status}" 1)
  expect("the console after check none€.txt" "${out}"
    "Cannot open none€.txt for reading: No such file or directory\n")

else()
  message(FATAL_ERROR "unknown case ${CASE}")
endif()
