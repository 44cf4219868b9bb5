# The files of a folder as constant texts of the program: each file becomes
# a std::string_view named after it ("page.css" is page_css) in a generated
# source, so that the page that -p writes is edited as HTML, CSS and script
# and still needs no file beside the program.
#
# Included: embed_files(TARGET FOLDER HEADER) adds the generated source to
# the target, remade whenever a file of the folder changes. Run as a script
# (cmake -DFOLDER=... -DHEADER=... -DOUTPUT=... -P embed_files.cmake): writes
# the source.

set(embedded_patterns *.html *.css *.js)

if(CMAKE_SCRIPT_MODE_FILE)
  set(folder_patterns)
  foreach(pattern IN LISTS embedded_patterns)
    list(APPEND folder_patterns ${FOLDER}/${pattern})
  endforeach()
  file(GLOB files ${folder_patterns})
  list(SORT files)
  set(text "// Made from the files of ${FOLDER} by cmake/embed_files.cmake.\n")
  string(APPEND text "#include \"${HEADER}\"\n\nnamespace hbpins {\n")
  foreach(file IN LISTS files)
    get_filename_component(name ${file} NAME)
    string(MAKE_C_IDENTIFIER ${name} name)
    file(READ ${file} bytes HEX)
    # Sixteen bytes a line, each as a hexadecimal constant: any byte is safe.
    string(REGEX REPLACE "(................................)" "\\1\n" bytes "${bytes}")
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${bytes}")
    string(APPEND text "\nstatic constexpr char ${name}_bytes[] = {\n${bytes}};\n"
           "const std::string_view ${name}{${name}_bytes, sizeof ${name}_bytes};\n")
  endforeach()
  string(APPEND text "\n}  // namespace hbpins\n")
  file(WRITE ${OUTPUT} "${text}")
  return()
endif()

function(embed_files target folder header)
  set(folder_patterns)
  foreach(pattern IN LISTS embedded_patterns)
    list(APPEND folder_patterns ${folder}/${pattern})
  endforeach()
  file(GLOB files CONFIGURE_DEPENDS ${folder_patterns})
  get_filename_component(name ${folder} NAME)
  set(output ${CMAKE_CURRENT_BINARY_DIR}/generated/${name}_files.cpp)
  add_custom_command(OUTPUT ${output}
                     COMMAND ${CMAKE_COMMAND} -DFOLDER=${folder} -DHEADER=${header} -DOUTPUT=${output}
                             -P ${CMAKE_CURRENT_FUNCTION_LIST_FILE}
                     DEPENDS ${files} ${CMAKE_CURRENT_FUNCTION_LIST_FILE}
                     VERBATIM)
  target_sources(${target} PRIVATE ${output})
endfunction()
