# SPDX-License-Identifier: GPL-3.0-or-later
# The form's own font, made at build time: the glyphs of IPA P Gothic (the
# font the layout is measured for, with the widths of MS PGothic) that the
# pages, the help and the messages use, as WOFF2 under its own family name,
# with the IPA Font License beside it. Every page asks for it first, so the
# form's text has the same widths on every device.
find_program(PYFTSUBSET pyftsubset REQUIRED) # Debian's fonttools
# The interpreter fonttools is installed for, not one of a version manager.
find_program(FONT_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH REQUIRED)
execute_process(COMMAND ${FONT_PYTHON} -c "import fontTools, brotli" RESULT_VARIABLE font_modules OUTPUT_QUIET ERROR_QUIET)
if(NOT font_modules EQUAL 0)
  message(FATAL_ERROR "The form's font needs fonttools and python3-brotli (scripts/install-deps.sh installs them)")
endif()
set(FORM_FONT_SOURCE /usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf CACHE FILEPATH
  "IPA P Gothic (Debian's fonts-ipafont-gothic), the font the form's subset is cut from")
if(NOT EXISTS ${FORM_FONT_SOURCE})
  message(FATAL_ERROR "IPA P Gothic is not at ${FORM_FONT_SOURCE} (package fonts-ipafont-gothic)")
endif()

set(form_font_family "Ondel P Gothic")
set(form_font_file fonts/ondel_p_gothic.woff2)
# Where the texts a page shows come from: its own files, the start page,
# the programs' summaries (programs.cmake), and the core's captions, help
# and messages.
file(GLOB_RECURSE form_font_texts CONFIGURE_DEPENDS
  ${CMAKE_CURRENT_SOURCE_DIR}/site/*.html ${CMAKE_CURRENT_SOURCE_DIR}/site/*.js ${CMAKE_CURRENT_SOURCE_DIR}/site/*.css
  ${CMAKE_CURRENT_SOURCE_DIR}/core/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/core/*.h)
foreach(folder IN ITEMS shell programs travelling reflection standing speakers)
  file(GLOB_RECURSE folder_texts CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.cpp ${PROJECT_SOURCE_DIR}/${folder}/*.h
    ${PROJECT_SOURCE_DIR}/${folder}/*.cmake)
  list(APPEND form_font_texts ${folder_texts})
endforeach()
list(APPEND form_font_texts ${CMAKE_CURRENT_SOURCE_DIR}/index.html.in ${PROJECT_SOURCE_DIR}/CMakeLists.txt)

add_custom_command(OUTPUT ${site}/${form_font_file}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${site}/fonts
  COMMAND ${FONT_PYTHON} ${CMAKE_CURRENT_SOURCE_DIR}/font/form_font.py ${PYFTSUBSET} ${FORM_FONT_SOURCE}
    ${site}/${form_font_file} ${form_font_family} ${form_font_texts}
  DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/font/form_font.py ${FORM_FONT_SOURCE} ${form_font_texts}
  COMMENT "Cutting the form's font from IPA P Gothic"
  VERBATIM)
configure_file(font/IPA_Font_License_Agreement_v1.0.txt ${site}/fonts/IPA_Font_License_Agreement_v1.0.txt COPYONLY)
add_custom_target(ondel_form_font DEPENDS ${site}/${form_font_file})
