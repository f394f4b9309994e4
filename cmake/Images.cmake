# Our pictures are drawn once, as SVG, and rendered at build time by a tool of ours, to PNG or,
# for the images shown at every start, to raw premultiplied pixels (.argb) that are used in place
# without decoding: the program parses no SVG and needs no SVG library, and the images never
# drift from their drawing.
add_executable(ondaris_render_icon ${PROJECT_SOURCE_DIR}/resources/icons/render_icon.cpp)
target_link_libraries(ondaris_render_icon PRIVATE Qt6::Gui Qt6::Svg)
# A build tool: it runs on the build machine and must not carry the sanitizers of the tests.
foreach(property COMPILE_OPTIONS LINK_OPTIONS)
  get_target_property(options ondaris_render_icon ${property})
  if(options)
    list(FILTER options EXCLUDE REGEX "sanitize")
    set_target_properties(ondaris_render_icon PROPERTIES ${property} "${options}")
  endif()
endforeach()

# ondaris_render_svg(OUT SVG PATTERN [OPAQUE] SIZES size...): renders SVG at each size (N for a
# square, or WxH) into PATTERN, where %1 stands for "WxH" and the extension (.png or .argb)
# chooses the format; OUT receives the files.
function(ondaris_render_svg out svg pattern)
  cmake_parse_arguments(ARG "OPAQUE" "" "SIZES" ${ARGN})
  set(outputs)
  foreach(size IN LISTS ARG_SIZES)
    if(size MATCHES "^[0-9]+$")
      set(size ${size}x${size})
    endif()
    string(REPLACE "%1" ${size} file ${pattern})
    list(APPEND outputs ${file})
  endforeach()
  set(opaque)
  if(ARG_OPAQUE)
    set(opaque --opaque)
  endif()
  get_filename_component(name ${svg} NAME)
  add_custom_command(
    OUTPUT ${outputs}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:ondaris_render_icon> ${opaque} ${svg} ${pattern} ${ARG_SIZES}
    DEPENDS ${svg} ondaris_render_icon
    COMMENT "Rendering ${name}"
    VERBATIM)
  set(${out} ${outputs} PARENT_SCOPE)
endfunction()
