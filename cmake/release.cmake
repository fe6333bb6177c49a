# What makes vostrel.exe a release: its version in the resources and the
# manifest, the same bytes from the same sources wherever they are built, and
# nothing in the file that the program does not need.

# The version lives once, in project(); Windows wants it in four parts.
if(NOT PROJECT_VERSION MATCHES "^[0-9]+\\.[0-9]+\\.[0-9]+$")
  message(FATAL_ERROR "project(VERSION) must be MAJOR.MINOR.PATCH, not '${PROJECT_VERSION}'")
endif()
set(VOSTREL_VERSION_QUAD "${PROJECT_VERSION}.0")
string(REPLACE "." "," VOSTREL_VERSION_COMMAS "${VOSTREL_VERSION_QUAD}")

# The copyright holder as the licence names it, for the version resource.
file(STRINGS ${CMAKE_SOURCE_DIR}/LICENSE VOSTREL_COPYRIGHT REGEX "^Copyright \\(c\\) " LIMIT_COUNT 1)
string(REGEX REPLACE "^Copyright \\(c\\) " "" VOSTREL_COPYRIGHT "${VOSTREL_COPYRIGHT}")

# The resource script, the manifest and the icon side by side in the build
# tree, the first two with the version filled in.
set(VOSTREL_RES_DIR ${CMAKE_BINARY_DIR}/res)
configure_file(${CMAKE_SOURCE_DIR}/res/vostrel.rc.in ${VOSTREL_RES_DIR}/vostrel.rc @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/res/vostrel.manifest ${VOSTREL_RES_DIR}/vostrel.manifest @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/res/vostrel.ico ${VOSTREL_RES_DIR}/vostrel.ico COPYONLY)
set(VOSTREL_RESOURCES ${VOSTREL_RES_DIR}/vostrel.rc)
# The script names the other two only as resource files, which CMake does not
# follow: a new manifest or icon must still rebuild the resources.
set_source_files_properties(${VOSTREL_RESOURCES} PROPERTIES
  OBJECT_DEPENDS "${VOSTREL_RES_DIR}/vostrel.manifest;${VOSTREL_RES_DIR}/vostrel.ico")

# The same bytes from the same sources, wherever and whenever they are built:
# no time stamp in the file's header, and no path of the source or build tree
# in anything the compiler writes (the binary tree's mapping comes last, so
# that it wins when the build tree lies inside the source tree).
add_compile_options(-ffile-prefix-map=${CMAKE_SOURCE_DIR}=. -ffile-prefix-map=${CMAKE_BINARY_DIR}=build)
add_link_options(-Wl,--no-insert-timestamp)

# The shipped program: without the symbols and debug information that the
# static runtime libraries bring along, two thirds of its size. Never packed:
# a packed exe looks like malware to antivirus heuristics.
function(vostrel_release_exe target)
  target_link_options(${target} PRIVATE $<$<CONFIG:Release,MinSizeRel>:-s>)
endfunction()

# The dist target: the release's zip and SHA256SUMS (scripts/package.py) in
# VOSTREL_DIST_DIR, made from the exe that the tests ran.
set(VOSTREL_DIST_DIR ${CMAKE_SOURCE_DIR}/dist CACHE PATH "Where the dist target leaves the zip and SHA256SUMS")
find_package(Python3 COMPONENTS Interpreter)
function(vostrel_dist_target exe_target)
  if(NOT Python3_Interpreter_FOUND)
    message(STATUS "No Python 3: no dist target")
    return()
  endif()
  add_custom_target(dist
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/scripts/package.py
            $<TARGET_FILE:${exe_target}> ${PROJECT_VERSION} ${CMAKE_SOURCE_DIR} ${VOSTREL_DIST_DIR}
    VERBATIM)
  add_dependencies(dist ${exe_target})
endfunction()
