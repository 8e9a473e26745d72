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

# pofutto_layer(name [TARGET target] [ONLY files...] [EXCEPT files...] [USES pe_<layer>...]
# [LIBS system libraries...]): the library pe_<name> (or target) from src/<name>/*.cpp, or only
# the files named, or all but those. A layer split in two this way shares its include root; each
# part sees only what it links.
function(pofutto_layer name)
  cmake_parse_arguments(PARSE_ARGV 1 layer "" "TARGET" "ONLY;EXCEPT;USES;LIBS")
  set(target pe_${name})
  if(layer_TARGET)
    set(target ${layer_TARGET})
  endif()
  if(layer_ONLY)
    list(TRANSFORM layer_ONLY PREPEND ${CMAKE_SOURCE_DIR}/src/${name}/ OUTPUT_VARIABLE sources)
  else()
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${name}/*.cpp)
    foreach(excepted ${layer_EXCEPT})
      list(REMOVE_ITEM sources ${CMAKE_SOURCE_DIR}/src/${name}/${excepted})
    endforeach()
  endif()
  add_library(${target} STATIC ${sources})
  set_target_properties(${target} PROPERTIES UNITY_BUILD ${POFUTTO_UNITY} UNITY_BUILD_BATCH_SIZE 0)
  pofutto_layer_root(${name} root)
  target_include_directories(${target} PUBLIC ${root})
  target_compile_definitions(${target} PUBLIC ${WIN_DEFINES})
  target_compile_options(${target} PRIVATE ${OWN_WARNINGS})
  target_link_libraries(${target} PUBLIC ${layer_USES} ${layer_LIBS})
  pofutto_system_header(${target})
endfunction()

# The system's header, precompiled once for every layer and the programs made of them: the first
# target asked compiles it, the others take its file (the same definitions and options).
function(pofutto_system_header target)
  get_property(owner GLOBAL PROPERTY POFUTTO_SYSTEM_HEADER_OWNER)
  if(owner)
    target_precompile_headers(${target} REUSE_FROM ${owner})
  else()
    target_precompile_headers(${target} PRIVATE <windows.h>)
    set_property(GLOBAL PROPERTY POFUTTO_SYSTEM_HEADER_OWNER ${target})
  endif()
endfunction()
