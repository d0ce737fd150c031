# Run by the build (cmake -DSOURCE_DIR=... -DSTAMP=... -P check_layers.cmake): fails it when a
# source file includes a header of a layer that its own layer may not depend on. Dependencies
# point down only; this keeps them so, whatever the link lines would let through.

cmake_minimum_required(VERSION 3.25)

# Each layer and the layers it may include (itself besides).
set(allowed_platform "")
set(allowed_engine platform)
set(allowed_options platform)
set(allowed_drive platform)
set(allowed_sim engine platform)
set(allowed_run engine platform)
set(allowed_curve run drive engine platform)
set(allowed_results curve run sim drive engine platform)
set(allowed_cli results options curve run sim drive engine platform)
set(allowed_forms run engine platform)
set(allowed_toolkit forms run platform)
set(allowed_app forms toolkit options results curve run sim drive engine platform)
set(layers platform options engine drive sim run curve results cli forms toolkit app)

set(violations "")
foreach(layer IN LISTS layers)
  file(GLOB_RECURSE sources "${SOURCE_DIR}/src/${layer}/*.h" "${SOURCE_DIR}/src/${layer}/*.cpp")
  foreach(source IN LISTS sources)
    file(STRINGS "${source}" includes REGEX "^#include \"[a-z0-9_]+/")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^#include \"([a-z0-9_]+)/.*" "\\1" included "${line}")
      if(included STREQUAL layer OR NOT included IN_LIST layers)
        continue()
      endif()
      if(NOT included IN_LIST allowed_${layer})
        file(RELATIVE_PATH shown "${SOURCE_DIR}" "${source}")
        string(APPEND violations "  ${shown}: ${line} (${layer} may include: ${allowed_${layer}})\n")
      endif()
    endforeach()
  endforeach()
endforeach()

if(violations)
  message(FATAL_ERROR "Includes against the direction of the layers:\n${violations}")
endif()
file(TOUCH "${STAMP}")
