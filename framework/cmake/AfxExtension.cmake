# afx_extension_library(target): builds target as an extension library of the framework.
# Its classes are exported with AFX_EXT_CLASS (_AFXEXT), and its entry point is the one
# AFX_EXTENSION_LIBRARY() defines in one of its sources (afxdllx.h), so the framework's raw
# step runs before the library's static constructors register their classes.
function(afx_extension_library target)
  target_compile_definitions(${target} PRIVATE _AFXEXT)
  target_link_libraries(${target} PRIVATE afxfw)
  # The linker only warns when the entry symbol is missing; make that an error.
  target_link_options(${target} PRIVATE -Wl,--fatal-warnings)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    target_link_options(${target} PRIVATE -Wl,-e,_AfxExtDllEntry@12)
  else()
    target_link_options(${target} PRIVATE -Wl,-e,AfxExtDllEntry)
  endif()
endfunction()
