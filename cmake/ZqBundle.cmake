# zq_add_bundle(<Name>
#   SOURCES <files...>
#   [IDENTIFIER <id>] [VERSION <text>] [HELP_BOOK <name>] | [INFO <Info.json>]
#   [RESOURCES <dir>]            folder copied to <Name>.plugin/Resources
#   [OUTPUT_DIR <dir>]           default ${CMAKE_BINARY_DIR}/bundles
#   [LINK <libraries...>] [DEFINITIONS <defs...>] [INCLUDES <dirs...>])
#
# Builds an extension bundle: a MODULE library compiled with hidden
# visibility (so every bundle carries its own copy of the sources compiled
# into it) that exports only its C factory, placed with its Info.json and
# resources in <OUTPUT_DIR>/<Name>.plugin/. The target is named bundle_<Name>.
function(zq_add_bundle name)
  cmake_parse_arguments(B "" "IDENTIFIER;VERSION;HELP_BOOK;INFO;RESOURCES;OUTPUT_DIR"
                        "SOURCES;LINK;DEFINITIONS;INCLUDES" ${ARGN})
  if(NOT B_SOURCES)
    message(FATAL_ERROR "zq_add_bundle(${name}): no SOURCES")
  endif()
  set(shipped OFF)
  if(NOT B_OUTPUT_DIR)
    set(B_OUTPUT_DIR ${CMAKE_BINARY_DIR}/bundles)
    set(shipped ON)  # bundles built elsewhere are the tests' own
  endif()
  set(dir ${B_OUTPUT_DIR}/${name}.plugin)
  set(target bundle_${name})

  add_library(${target} MODULE ${B_SOURCES})
  set_target_properties(${target} PROPERTIES
    PREFIX "" OUTPUT_NAME ${name} SUFFIX ".so"
    LIBRARY_OUTPUT_DIRECTORY ${dir}
    CXX_VISIBILITY_PRESET hidden C_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
  target_link_libraries(${target} PRIVATE zq_platform ${B_LINK})
  target_compile_options(${target} PRIVATE -Wno-deprecated-declarations)
  if(B_DEFINITIONS)
    target_compile_definitions(${target} PRIVATE ${B_DEFINITIONS})
  endif()
  if(B_INCLUDES)
    target_include_directories(${target} PRIVATE ${B_INCLUDES})
  endif()
  if(NOT ZQ_SANITIZE)
    # Catch a missing symbol at build time rather than at dlopen.
    target_link_options(${target} PRIVATE -Wl,-z,defs)
  endif()

  if(B_INFO)
    configure_file(${B_INFO} ${dir}/Info.json COPYONLY)
  else()
    if(NOT B_IDENTIFIER)
      message(FATAL_ERROR "zq_add_bundle(${name}): give IDENTIFIER or INFO")
    endif()
    if(NOT B_VERSION)
      set(B_VERSION "${PROJECT_VERSION}")
    endif()
    set(info "{\n  \"CFBundleIdentifier\": \"${B_IDENTIFIER}\",\n  \"CFBundleVersion\": \"${B_VERSION}\",\n  \"CFBundleExecutable\": \"${name}.so\"")
    if(B_HELP_BOOK)
      string(APPEND info ",\n  \"CFBundleHelpBookName\": \"${B_HELP_BOOK}\"")
    endif()
    string(APPEND info "\n}\n")
    file(GENERATE OUTPUT ${dir}/Info.json CONTENT "${info}")
  endif()

  if(B_RESOURCES)
    # Copied on every build so edited nibs and tables reach the bundle.
    add_custom_target(${target}_resources ALL
      COMMAND ${CMAKE_COMMAND} -E copy_directory ${B_RESOURCES} ${dir}/Resources
      COMMENT "Resources of ${name}.plugin" VERBATIM)
    add_dependencies(${target} ${target}_resources)
  endif()
  if(shipped)
    install(DIRECTORY ${dir} DESTINATION ${CMAKE_INSTALL_LIBDIR}/zq/bundles USE_SOURCE_PERMISSIONS)
  endif()
endfunction()

# zq_add_bundle_library(<name>)
#
# A static library of sources that bundles (and the tests) link, compiled
# once per build rather than once into every bundle: position-independent
# code with hidden visibility, so a bundle linking it still holds its own
# copy with its own globals (bundles are loaded with RTLD_LOCAL) and exports
# nothing of it. Sources that read a bundle's own compile definitions stay
# out of it (give them as INTERFACE sources of the library).
function(zq_add_bundle_library name)
  add_library(${name} STATIC)
  set_target_properties(${name} PROPERTIES POSITION_INDEPENDENT_CODE ON
    CXX_VISIBILITY_PRESET hidden C_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
endfunction()
