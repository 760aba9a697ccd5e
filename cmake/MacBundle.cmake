# The macOS application bundle. Included from the top-level CMakeLists.txt on
# Apple only, before any target exists:
#   1. now: deployment target, universal architectures, Objective-C++;
#   2. once every target exists (deferred call at the end): the bundle with its
#      Info.plist and icon, the login item code, deployment of Qt and signing
#      with the sandbox entitlements.

enable_language(OBJCXX)

# Same as LSMinimumSystemVersion in packaging/macos/Info.plist.in. Targets pick
# these up when they are created, so they must be set before add_subdirectory.
if(NOT CMAKE_OSX_DEPLOYMENT_TARGET OR CMAKE_OSX_DEPLOYMENT_TARGET VERSION_LESS 14.6)
  set(CMAKE_OSX_DEPLOYMENT_TARGET 14.6)
endif()

# Universal (arm64 and x86_64) when the Qt libraries carry both slices: a
# single-architecture Qt can only link a single-architecture program.
if(NOT CMAKE_OSX_ARCHITECTURES)
  get_target_property(qt_core_binary Qt6::Core LOCATION)
  execute_process(COMMAND lipo -archs "${qt_core_binary}"
    OUTPUT_VARIABLE qt_architectures OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  separate_arguments(qt_architectures)
  if("arm64" IN_LIST qt_architectures AND "x86_64" IN_LIST qt_architectures)
    set(CMAKE_OSX_ARCHITECTURES arm64 x86_64)
  endif()
  message(STATUS "Qt is built for: ${qt_architectures}; "
                 "Retroglimmer for: ${CMAKE_OSX_ARCHITECTURES}")
endif()

set(RETROGLIMMER_CODESIGN_IDENTITY "-" CACHE STRING
    "codesign identity for the installed bundle; '-' signs ad hoc (runs on this Mac only)")

function(retroglimmer_configure_mac_bundle)
  set(macos_dir ${PROJECT_SOURCE_DIR}/packaging/macos)
  set(entitlements ${macos_dir}/retroglimmer.entitlements)

  # The icon: every size of an .icns rendered from the one SVG.
  set(iconset ${CMAKE_CURRENT_BINARY_DIR}/retroglimmer.iconset)
  set(icns ${CMAKE_CURRENT_BINARY_DIR}/retroglimmer.icns)
  set(render_args)
  foreach(size 16 32 128 256 512)
    math(EXPR double "${size} * 2")
    list(APPEND render_args ${size} ${iconset}/icon_${size}x${size}.png
                            ${double} ${iconset}/icon_${size}x${size}@2x.png)
  endforeach()
  add_custom_command(OUTPUT ${icns}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${iconset}
    COMMAND retroglimmer-render-icon ${RETROGLIMMER_ICON_SVG} ${render_args}
    COMMAND iconutil --convert icns --output ${icns} ${iconset}
    DEPENDS retroglimmer-render-icon ${RETROGLIMMER_ICON_SVG}
    COMMENT "Rendering the application icon to retroglimmer.icns"
    VERBATIM)
  add_custom_target(retroglimmer_icns DEPENDS ${icns})
  add_dependencies(retroglimmer retroglimmer_icns)
  target_sources(retroglimmer PRIVATE ${icns})
  set_source_files_properties(${icns} TARGET_DIRECTORY retroglimmer
    PROPERTIES MACOSX_PACKAGE_LOCATION Resources GENERATED TRUE)

  set_target_properties(retroglimmer PROPERTIES
    MACOSX_BUNDLE TRUE
    OUTPUT_NAME "Retro Glimmer"
    MACOSX_BUNDLE_INFO_PLIST ${macos_dir}/Info.plist.in
    MACOSX_BUNDLE_GUI_IDENTIFIER io.github.retroglimmer.Retroglimmer
    MACOSX_BUNDLE_BUNDLE_NAME "Retro Glimmer"
    MACOSX_BUNDLE_BUNDLE_VERSION ${PROJECT_VERSION}
    MACOSX_BUNDLE_SHORT_VERSION_STRING ${PROJECT_VERSION}
    MACOSX_BUNDLE_ICON_FILE retroglimmer.icns
    # Xcode signs at build time with these (and the two below); other
    # generators sign on install.
    XCODE_ATTRIBUTE_CODE_SIGN_ENTITLEMENTS ${entitlements})

  # The hardened runtime turns on library validation, which loads only code
  # signed with the program's own team ID. An ad hoc signature has none, so
  # the Qt frameworks in the bundle would be refused and the program killed
  # at launch: the hardened runtime (which notarisation needs) comes with a
  # real identity only.
  set(runtime_option "")
  set(hardened_runtime NO)
  if(NOT RETROGLIMMER_CODESIGN_IDENTITY STREQUAL "-")
    set(runtime_option "--options runtime")
    set(hardened_runtime YES)
  endif()
  set_target_properties(retroglimmer PROPERTIES
    XCODE_ATTRIBUTE_CODE_SIGN_IDENTITY "${RETROGLIMMER_CODESIGN_IDENTITY}"
    XCODE_ATTRIBUTE_ENABLE_HARDENED_RUNTIME ${hardened_runtime})

  # Installing copies the Qt frameworks and plugins into the bundle, then
  # signs: nested code first, then the bundle with the entitlements. The
  # bundle lies under DESTDIR when one is given (a staged install, or cpack).
  qt_generate_deploy_app_script(TARGET retroglimmer
    FILENAME_VARIABLE deploy_script NO_UNSUPPORTED_PLATFORM_ERROR)
  install(SCRIPT ${deploy_script})
  install(CODE "
    set(bundle \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/Retro Glimmer.app\")
    execute_process(COMMAND codesign --force --deep ${runtime_option}
        --sign \"${RETROGLIMMER_CODESIGN_IDENTITY}\" \"\${bundle}\"
      COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND codesign --force ${runtime_option}
        --entitlements \"${entitlements}\"
        --sign \"${RETROGLIMMER_CODESIGN_IDENTITY}\" \"\${bundle}\"
      COMMAND_ERROR_IS_FATAL ANY)")

  # `cpack` makes a disk image holding the signed bundle.
  set(CPACK_GENERATOR DragNDrop)
  set(CPACK_PACKAGE_NAME "Retro Glimmer")
  set(CPACK_PACKAGE_FILE_NAME "retroglimmer-${PROJECT_VERSION}-macos")
  include(CPack)
endfunction()

cmake_language(DEFER CALL retroglimmer_configure_mac_bundle)
