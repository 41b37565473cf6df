# The SDK a host builds against. cmake --install <tree> --prefix <dir> lays out
#   bin/<arch>/                 the DLLs a host ships beside its executable
#   lib/<arch>/                 their import libraries
#   include/                    the library's headers (core/..., grid/...), the framework's, the
#                               toolkit's and the host core's headers, the resource identifiers
#   lib/cmake/TKWUICore/        the package: find_package(TKWUICore), TKWUICore::TKWUICore
# with <arch> x64 or x86, so both Windows trees install into one prefix (./x package).
# The target "sdk" builds exactly what is installed.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(TKW_ARCH x64)
else()
  set(TKW_ARCH x86)
endif()

set(TKW_PACKAGED afxfw xtoolkit qxcore qxres_ids TKWUICore)
tkw_require(${TKW_PACKAGED} qxres)

# Inside the build every part finds its headers in its own folder; installed, they all sit in
# include/. Each folder's headers are installed from where the part publishes them.
foreach(part ${TKW_PACKAGED})
  get_target_property(dirs ${part} INTERFACE_INCLUDE_DIRECTORIES)
  list(REMOVE_DUPLICATES dirs)
  set(wrapped)
  foreach(dir ${dirs})
    install(DIRECTORY ${dir}/ DESTINATION include FILES_MATCHING PATTERN "*.h")
    list(APPEND wrapped "$<BUILD_INTERFACE:${dir}>")
  endforeach()
  set_property(TARGET ${part} PROPERTY INTERFACE_INCLUDE_DIRECTORIES ${wrapped}
                                                                    "$<INSTALL_INTERFACE:include>")
endforeach()

# A host compiles the framework's headers as the DLLs were compiled.
foreach(def ${TKW_WINDOWS_DEFINITIONS})
  target_compile_definitions(afxfw INTERFACE "$<INSTALL_INTERFACE:${def}>")
endforeach()

install(TARGETS ${TKW_PACKAGED} EXPORT TKWUICoreTargets
        RUNTIME DESTINATION bin/${TKW_ARCH}
        LIBRARY DESTINATION bin/${TKW_ARCH}
        ARCHIVE DESTINATION lib/${TKW_ARCH})
# The resource module is loaded, never linked: only its DLL travels. So does the chart
# component, with the manifest that activates it beside the library.
install(FILES $<TARGET_FILE:qxres> $<TARGET_FILE:tkwchart> ${CMAKE_BINARY_DIR}/bin/tkwchart.manifest
              $<TARGET_FILE:tkwduration> ${CMAKE_BINARY_DIR}/bin/tkwduration.manifest
        DESTINATION bin/${TKW_ARCH})
install(EXPORT TKWUICoreTargets NAMESPACE TKWUICore:: FILE TKWUICoreTargets-${TKW_ARCH}.cmake
        DESTINATION lib/cmake/TKWUICore)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/TKWUICoreConfig.cmake DESTINATION lib/cmake/TKWUICore)

add_custom_target(sdk)
add_dependencies(sdk ${TKW_PACKAGED} qxres tkwchart tkwduration)
