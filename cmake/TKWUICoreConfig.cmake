# find_package(TKWUICore): the library with the framework, the toolkit and the host core it
# links, for the architecture of the project that asks (its pointer size).
#   TKWUICore::TKWUICore    link this; it brings afxfw, xtoolkit, qxcore and the include path
#   TKWUICore_RUNTIME_DLLS  the files to ship beside the executable (qxres.dll and the chart
#                           component with its manifest included)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(_tkw_arch x64)
else()
  set(_tkw_arch x86)
endif()
get_filename_component(_tkw_prefix "${CMAKE_CURRENT_LIST_DIR}/../../.." ABSOLUTE)
if(NOT EXISTS "${CMAKE_CURRENT_LIST_DIR}/TKWUICoreTargets-${_tkw_arch}.cmake")
  set(TKWUICore_FOUND FALSE)
  set(TKWUICore_NOT_FOUND_MESSAGE "no ${_tkw_arch} build in the SDK at ${_tkw_prefix}")
  return()
endif()
include("${CMAKE_CURRENT_LIST_DIR}/TKWUICoreTargets-${_tkw_arch}.cmake")
set(TKWUICore_RUNTIME_DIR "${_tkw_prefix}/bin/${_tkw_arch}")
file(GLOB TKWUICore_RUNTIME_DLLS "${TKWUICore_RUNTIME_DIR}/*.dll" "${TKWUICore_RUNTIME_DIR}/*.manifest")
unset(_tkw_arch)
unset(_tkw_prefix)
