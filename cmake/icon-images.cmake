# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# The program icon, packaging/velmora.svg, rendered as PNG images at build time
# by librsvg (ImageMagick's own SVG renderer loses the bob's gradient).
#   render_icon(<list variable> <size>...) sets the variable to the images' paths.
require_program(RSVG_CONVERT rsvg-convert librsvg2-bin VELMORA_ICON)

file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/icon)

function(render_icon images)
  set(paths "")
  foreach(size ${ARGN})
    set(image ${CMAKE_BINARY_DIR}/icon/velmora-${size}.png)
    add_custom_command(OUTPUT ${image}
      COMMAND ${RSVG_CONVERT} --width ${size} --height ${size} --output ${image} ${PROJECT_SOURCE_DIR}/packaging/velmora.svg
      DEPENDS ${PROJECT_SOURCE_DIR}/packaging/velmora.svg VERBATIM)
    list(APPEND paths ${image})
  endforeach()
  set(${images} ${paths} PARENT_SCOPE)
endfunction()
