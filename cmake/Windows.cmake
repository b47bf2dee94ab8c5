# Velmora for Windows, cross-built with MinGW-w64: the program's icon, velmora-cli's bytes as on
# Linux, and beside the program the Qt and MinGW runtime, Qt's plugins and translations, which the
# setup program installs (packaging/windows).
enable_language(RC)

# The program's icon, drawn from the scalable one at the sizes Windows shows.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
find_program(ICOTOOL icotool REQUIRED)
set(velmora_icon "${CMAKE_BINARY_DIR}/velmora.ico")
set(velmora_icon_svg "${PROJECT_SOURCE_DIR}/resources/pictures/velmora.svg")
set(icon_commands)
set(icon_pictures)
foreach(size IN ITEMS 16 24 32 48 64 256)
  set(picture "${CMAKE_BINARY_DIR}/icon/velmora-${size}.png")
  list(APPEND icon_commands COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${picture} ${velmora_icon_svg})
  if(size EQUAL 256)
    list(APPEND icon_pictures --raw=${picture})  # kept as PNG, as Windows expects at this size
  else()
    list(APPEND icon_pictures ${picture})
  endif()
endforeach()
add_custom_command(OUTPUT "${velmora_icon}"
  COMMAND ${CMAKE_COMMAND} -E make_directory "${CMAKE_BINARY_DIR}/icon"
  ${icon_commands}
  COMMAND ${ICOTOOL} -c -o "${velmora_icon}" ${icon_pictures}
  DEPENDS "${velmora_icon_svg}"
  VERBATIM)
add_custom_target(velmora_icon DEPENDS "${velmora_icon}")
add_dependencies(velmora velmora_icon)
file(CONFIGURE OUTPUT "${CMAKE_BINARY_DIR}/velmora.rc" CONTENT "IDI_ICON1 ICON \"${velmora_icon}\"\n")
target_sources(velmora PRIVATE "${CMAKE_BINARY_DIR}/velmora.rc")
set_source_files_properties("${CMAKE_BINARY_DIR}/velmora.rc" TARGET_DIRECTORY velmora PROPERTIES OBJECT_DEPENDS "${velmora_icon}")

# velmora-cli reads and writes bytes as on Linux: no carriage return put before each line feed, and its
# arguments in UTF-8 (its manifest).
file(CONFIGURE OUTPUT "${CMAKE_BINARY_DIR}/velmora-cli.rc"
     CONTENT "1 24 \"${PROJECT_SOURCE_DIR}/packaging/windows/velmora-cli.manifest\"\n")
target_sources(velmora-cli PRIVATE "${PROJECT_SOURCE_DIR}/packaging/windows/binarystdio.cpp" "${CMAKE_BINARY_DIR}/velmora-cli.rc")
set_source_files_properties("${CMAKE_BINARY_DIR}/velmora-cli.rc" TARGET_DIRECTORY velmora-cli PROPERTIES
                            OBJECT_DEPENDS "${PROJECT_SOURCE_DIR}/packaging/windows/velmora-cli.manifest")

function(mingw_file name variable)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${name} OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${found}")
    message(FATAL_ERROR "MinGW's ${name} was not found")
  endif()
  set(${variable} "${found}" PARENT_SCOPE)
endfunction()

# The runtime beside the program. Qt finds its plugins in the program's folder and its translations
# in translations/ there, since no Qt import library lies beside the DLLs.
set(velmora_runtime)
foreach(part Core Gui Widgets PrintSupport Svg)
  list(APPEND velmora_runtime $<TARGET_FILE:Qt6::${part}>)
endforeach()
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  mingw_file(${dll} found)
  list(APPEND velmora_runtime "${found}")
endforeach()
install(FILES ${velmora_runtime} DESTINATION ${CMAKE_INSTALL_BINDIR})
foreach(plugin platforms:QWindowsIntegrationPlugin styles:QWindowsVistaStylePlugin imageformats:QJpegPlugin
               imageformats:QSvgPlugin imageformats:QICOPlugin imageformats:QGifPlugin iconengines:QSvgIconPlugin)
  string(REPLACE ":" ";" plugin "${plugin}")
  list(GET plugin 0 folder)
  list(GET plugin 1 target)
  install(FILES $<TARGET_FILE:Qt6::${target}> DESTINATION ${CMAKE_INSTALL_BINDIR}/${folder})
endforeach()
# Qt's own texts (its dialogs' buttons) in the program's languages; the .qm files are the same on every system.
find_path(QT_TRANSLATIONS_DIR qtbase_de.qm
  PATHS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_TRANSLATIONS}" "${QT_HOST_PATH}/share/qt6/translations"
  NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
foreach(language de fr es)
  install(FILES "${QT_TRANSLATIONS_DIR}/qtbase_${language}.qm" DESTINATION ${CMAKE_INSTALL_BINDIR}/translations)
endforeach()
install(FILES "${velmora_icon}" DESTINATION ${CMAKE_INSTALL_BINDIR})
