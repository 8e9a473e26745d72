# The program's application manifest (resources/PofuttoErase.manifest.in) with its version and,
# in a build signed for the sparse package, the package identity that Windows gives the program:
# the package's name and publisher (the signing certificate's subject, as Windows writes it).
# Included by CMakeLists.txt, or run alone (as the release test does):
#   cmake -DPOFUTTO_SOURCE=<project> -DPOFUTTO_VERSION=1.2.3 -DPOFUTTO_PACKAGE_PUBLISHER="CN=..."
#         -DPOFUTTO_MANIFEST=<out> -P cmake/manifest.cmake
set(POFUTTO_PACKAGE_NAME VARNEL.PofuttoErase)
function(pofutto_program_manifest source version publisher out)
  set(POFUTTO_VERSION ${version})
  set(POFUTTO_MSIX_IDENTITY "")
  if(publisher)
    string(REPLACE "&" "&amp;" attribute "${publisher}")
    string(REPLACE "\"" "&quot;" attribute "${attribute}")
    string(REPLACE "<" "&lt;" attribute "${attribute}")
    set(POFUTTO_MSIX_IDENTITY "  <msix xmlns=\"urn:schemas-microsoft-com:msix.v1\" publisher=\"${attribute}\" packageName=\"${POFUTTO_PACKAGE_NAME}\" applicationId=\"PofuttoErase\"/>\n")
  endif()
  configure_file(${source}/resources/PofuttoErase.manifest.in ${out} @ONLY)
endfunction()
if(CMAKE_SCRIPT_MODE_FILE)
  pofutto_program_manifest(${POFUTTO_SOURCE} ${POFUTTO_VERSION} "${POFUTTO_PACKAGE_PUBLISHER}" ${POFUTTO_MANIFEST})
endif()
