# One library per layer of src/. Sources include headers as "layer/File.h"; each layer's include
# root holds its own folder alone (a link to src/<layer>), and a layer gets the roots of the
# layers it uses through their links. A header of a layer that is not linked is not found.

# The include root of a layer: a folder whose only entry is <layer>, a link to src/<layer>.
function(pofutto_layer_root layer out)
  set(root ${CMAKE_BINARY_DIR}/layers/${layer})
  if(NOT EXISTS ${root}/${layer})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/src/${layer} ${root}/${layer} RESULT failed SYMBOLIC)
    if(failed AND CMAKE_HOST_WIN32)
      # Windows grants symbolic links to few accounts; a junction needs no right.
      file(TO_NATIVE_PATH ${root}/${layer} link)
      file(TO_NATIVE_PATH ${CMAKE_SOURCE_DIR}/src/${layer} target)
      execute_process(COMMAND cmd /c mklink /J "${link}" "${target}" OUTPUT_QUIET RESULT_VARIABLE failed)
    endif()
    if(failed)
      message(FATAL_ERROR "cannot link ${root}/${layer} to src/${layer}: ${failed}")
    endif()
  endif()
  set(${out} ${root} PARENT_SCOPE)
endfunction()

# pofutto_layer(name [USES pe_<layer>...] [LIBS system libraries...]): the library pe_<name>
# from src/<name>/*.cpp.
function(pofutto_layer name)
  cmake_parse_arguments(PARSE_ARGV 1 layer "" "" "USES;LIBS")
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${name}/*.cpp)
  add_library(pe_${name} STATIC ${sources})
  pofutto_layer_root(${name} root)
  target_include_directories(pe_${name} PUBLIC ${root})
  target_compile_definitions(pe_${name} PUBLIC ${WIN_DEFINES})
  target_compile_options(pe_${name} PRIVATE ${OWN_WARNINGS})
  target_link_libraries(pe_${name} PUBLIC ${layer_USES} ${layer_LIBS})
  target_precompile_headers(pe_${name} PRIVATE <windows.h>)
endfunction()
