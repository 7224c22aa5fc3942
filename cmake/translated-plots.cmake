# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
# The translated pages' plots in a cross-build (Windows, the Raspberry Pi OS
# packages), which cannot run the figure maker: a host build of the pages
# with the translations draws them (make build), and they are copied from its
# translations/ folder, TRANSLATED_PLOTS_DIR, one for each of the English
# model page's plots and each language.
#   take_translated_plots(<list variable>) sets the variable to the copies.
set(TRANSLATED_PLOTS_DIR "" CACHE PATH
  "The translations/ folder of a host build with the pages, whose LANGUAGE/docs/model-*.svg a cross-build's pages show")

function(take_translated_plots copies)
  if(NOT TRANSLATED_PLOTS_DIR)
    message(FATAL_ERROR "The translated pages' plots come from a host build with the pages and the translations "
      "(make build): name its translations/ folder in TRANSLATED_PLOTS_DIR")
  endif()
  set(list "")
  file(GLOB english_plots CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/model-*.svg)
  foreach(language ${TRANSLATED_LANGUAGES})
    foreach(english_plot ${english_plots})
      get_filename_component(plot ${english_plot} NAME)
      set(host_plot ${TRANSLATED_PLOTS_DIR}/${language}/docs/${plot})
      if(NOT EXISTS ${host_plot})
        message(FATAL_ERROR "${host_plot} is missing: build the host's pages with ${language} among "
          "VELMORA_LANGUAGES first (make build)")
      endif()
      add_custom_command(OUTPUT ${TRANSLATIONS_DIR}/${language}/docs/${plot}
        COMMAND ${CMAKE_COMMAND} -E copy ${host_plot} ${TRANSLATIONS_DIR}/${language}/docs/${plot}
        DEPENDS ${host_plot} translations VERBATIM)
      list(APPEND list ${TRANSLATIONS_DIR}/${language}/docs/${plot})
    endforeach()
  endforeach()
  set(${copies} ${list} PARENT_SCOPE)
endfunction()
