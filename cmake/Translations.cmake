# The translations: Qt Linguist files (.ts) in translations/, made into .qm
# files at build time by lrelease (Debian package qt6-l10n-tools).
if(VECTRIM_GUI)
  find_program(VECTRIM_LRELEASE NAMES lrelease PATHS /usr/lib/qt6/bin NO_DEFAULT_PATH)
  find_program(VECTRIM_LRELEASE NAMES lrelease-qt6 lrelease)
  find_program(VECTRIM_LUPDATE NAMES lupdate PATHS /usr/lib/qt6/bin NO_DEFAULT_PATH)
  find_program(VECTRIM_LUPDATE NAMES lupdate-qt6 lupdate)
  if(NOT VECTRIM_LRELEASE)
    message(FATAL_ERROR "lrelease not found: install qt6-l10n-tools (scripts/install-deps.sh)")
  endif()
endif()

# vectrim_qm(OUT NAME...): the .qm files of translations/NAME.ts, made in
# this folder's build folder under i18n/; OUT receives their paths.
function(vectrim_qm out)
  set(files)
  foreach(name ${ARGN})
    set(ts ${PROJECT_SOURCE_DIR}/translations/${name}.ts)
    set(qm ${CMAKE_CURRENT_BINARY_DIR}/i18n/${name}.qm)
    add_custom_command(OUTPUT ${qm}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/i18n
      COMMAND ${VECTRIM_LRELEASE} -silent ${ts} -qm ${qm}
      DEPENDS ${ts}
      COMMENT "Translation ${name}.qm" VERBATIM)
    list(APPEND files ${qm})
  endforeach()
  set(${out} ${files} PARENT_SCOPE)
endfunction()
