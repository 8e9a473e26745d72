# pofutto_delay_load(<name> <dll> <function>...): the target pe_delay_<name>, which links the
# named functions of dll so that the DLL loads when one of them is first called instead of at
# start-up. MinGW: an import library made by dlltool for delay loading (its helper is in the
# runtime); MSVC: the linker's /DELAYLOAD.
function(pofutto_delay_load name dll)
  add_library(pe_delay_${name} INTERFACE)
  if(MINGW)
    if(NOT CMAKE_DLLTOOL)
      message(FATAL_ERROR "no dlltool beside the MinGW compiler")
    endif()
    set(def ${CMAKE_BINARY_DIR}/delayload/${name}.def)
    set(lib ${CMAKE_BINARY_DIR}/delayload/lib${name}_delay.a)
    list(JOIN ARGN "\n  " exports)
    file(CONFIGURE OUTPUT ${def} CONTENT "LIBRARY ${dll}\nEXPORTS\n  ${exports}\n")
    add_custom_command(OUTPUT ${lib}
      COMMAND ${CMAKE_DLLTOOL} --input-def ${def} --dllname ${dll} --output-delaylib ${lib}
      DEPENDS ${def}
      COMMENT "Delay-load library for ${dll}")
    add_custom_target(pe_delay_${name}_lib DEPENDS ${lib})
    add_dependencies(pe_delay_${name} pe_delay_${name}_lib)
    target_link_libraries(pe_delay_${name} INTERFACE ${lib})
  else()
    target_link_libraries(pe_delay_${name} INTERFACE ${name} delayimp)
    target_link_options(pe_delay_${name} INTERFACE /DELAYLOAD:${dll})
  endif()
endfunction()
