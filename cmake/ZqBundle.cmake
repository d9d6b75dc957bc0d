# zq_resources(<Name> [GENERATOR <family>.<edition>])
#
# The resources of the bundle (or program) <Name>, put together in the build
# tree at ${CMAKE_BINARY_DIR}/resources/<Name>/ by the one generator,
# resources/generator/generate.py: the files written by hand in
# resources/<Name>/ (laid out as the bundle without its module) and, with
# GENERATOR, what that module of the generator writes. A file is one or the
# other; one that is both stops the build. Target resources_<Name>; it runs
# again when a hand-written file, the generator or the module's family
# changes. Nothing it writes goes into the source tree.
function(zq_resources name)
  cmake_parse_arguments(R "" "GENERATOR" "" ${ARGN})
  set(generator ${PROJECT_SOURCE_DIR}/resources/generator)
  set(hand ${PROJECT_SOURCE_DIR}/resources/${name})
  set(out ${CMAKE_BINARY_DIR}/resources/${name})
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/resources_${name}.stamp)
  set(args --out ${out} --hand-written ${hand})
  # Folders too, so that a file taken away runs it again.
  file(GLOB_RECURSE inputs CONFIGURE_DEPENDS LIST_DIRECTORIES true ${hand}/*)
  list(APPEND inputs ${generator} ${generator}/generate.py ${generator}/nibkit.py)
  if(EXISTS ${hand})
    list(APPEND inputs ${hand})
  endif()
  if(R_GENERATOR)
    string(REGEX REPLACE "[.].*" "" family "${R_GENERATOR}")
    string(REPLACE "." "/" module "${R_GENERATOR}")
    if(NOT EXISTS ${generator}/${module}.py)
      message(FATAL_ERROR "zq_resources(${name}): no module resources/generator/${module}.py")
    endif()
    file(GLOB family_files CONFIGURE_DEPENDS ${generator}/${family}/*.py)
    list(APPEND inputs ${generator}/${family} ${family_files})
    list(APPEND args --module ${R_GENERATOR})
  elseif(NOT EXISTS ${hand})
    message(FATAL_ERROR "zq_resources(${name}): neither resources/${name}/ nor a GENERATOR")
  endif()
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${Python3_EXECUTABLE} ${generator}/generate.py ${args}
    COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
    DEPENDS ${inputs}
    COMMENT "Resources of ${name}" VERBATIM)
  add_custom_target(resources_${name} DEPENDS ${stamp})
endfunction()

# zq_add_bundle(<Name>
#   SOURCES <files...>
#   [GENERATOR <family>.<edition>]  a shipped bundle: Info.json and Resources/ from zq_resources()
#   | IDENTIFIER <id> [VERSION <text>] [HELP_BOOK <name>] [RESOURCES <dir>]
#                                a test's bundle: Info.json made of these, <dir> copied to Resources/
#   [OUTPUT_DIR <dir>]           default ${CMAKE_BINARY_DIR}/bundles
#   [LINK <libraries...>] [DEFINITIONS <defs...>] [INCLUDES <dirs...>])
#
# Builds an extension bundle: a MODULE library compiled with hidden
# visibility (so every bundle carries its own copy of the sources compiled
# into it) that exports only its C factory, placed with its Info.json and
# resources in <OUTPUT_DIR>/<Name>.plugin/. The target is named bundle_<Name>.
# A bundle without IDENTIFIER is one we ship: its Info.json and Resources/
# are those put together by zq_resources(<Name> [GENERATOR ...]), copied
# anew whenever they change, and it is installed.
function(zq_add_bundle name)
  cmake_parse_arguments(B "" "IDENTIFIER;VERSION;HELP_BOOK;GENERATOR;RESOURCES;OUTPUT_DIR"
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
    CXX_VISIBILITY_PRESET hidden C_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON
    # No run path: a bundle is only ever opened by a program that already
    # has the platform library loaded, and the bundle folder is installed as
    # it was built, so a run path into the build tree would send the
    # installed dialog looking there for the bundle's other libraries.
    SKIP_BUILD_RPATH ON)
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

  if(NOT B_IDENTIFIER)
    if(B_RESOURCES OR B_VERSION OR B_HELP_BOOK)
      message(FATAL_ERROR "zq_add_bundle(${name}): a shipped bundle's resources come from resources/${name}/"
                          " and its GENERATOR, not from RESOURCES, VERSION or HELP_BOOK")
    endif()
    if(B_GENERATOR)
      zq_resources(${name} GENERATOR ${B_GENERATOR})
    else()
      zq_resources(${name})
    endif()
    # The Resources/ of the last copy go first, so nothing taken away stays.
    set(copied ${CMAKE_CURRENT_BINARY_DIR}/${target}_resources.stamp)
    add_custom_command(OUTPUT ${copied}
      COMMAND ${CMAKE_COMMAND} -E rm -rf ${dir}/Resources
      COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_BINARY_DIR}/resources/${name} ${dir}
      COMMAND ${CMAKE_COMMAND} -E touch ${copied}
      DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/resources_${name}.stamp
      COMMENT "Resources of ${name}.plugin" VERBATIM)
    add_custom_target(${target}_resources ALL DEPENDS ${copied})
    add_dependencies(${target} ${target}_resources)
  else()
    if(B_GENERATOR)
      message(FATAL_ERROR "zq_add_bundle(${name}): GENERATOR is for the bundles we ship (no IDENTIFIER)")
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
    if(B_RESOURCES)
      # Copied on every build so edited nibs and tables reach the bundle.
      add_custom_target(${target}_resources ALL
        COMMAND ${CMAKE_COMMAND} -E copy_directory ${B_RESOURCES} ${dir}/Resources
        COMMENT "Resources of ${name}.plugin" VERBATIM)
      add_dependencies(${target} ${target}_resources)
    endif()
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
