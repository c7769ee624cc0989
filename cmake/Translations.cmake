# The program's own texts in other languages. Every text of ours goes through
# tr(); translations/<catalog>_<language>.ts hold the translations (kept
# current by `cmake --build build --target update_translations`, which runs
# lupdate over src/ and tools/), and lrelease makes the .qm files that the
# programs load, in build/translations and installed under
# share/qtr70-clone/translations.

find_package(Qt6 6.4 REQUIRED COMPONENTS LinguistTools)
include(GNUInstallDirs)

set(QTR70_TS_FILES ${PROJECT_SOURCE_DIR}/translations/qtr70_ja.ts)
set(QTR70_QM_DIR ${PROJECT_BINARY_DIR}/translations)
set(QTR70_QM_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/qtr70-clone/translations)

set(qtr70_qm_files)
foreach(ts ${QTR70_TS_FILES})
  get_filename_component(base ${ts} NAME_WE)
  set(qm ${QTR70_QM_DIR}/${base}.qm)
  add_custom_command(OUTPUT ${qm}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${QTR70_QM_DIR}
    COMMAND Qt6::lrelease -silent -removeidentical ${ts} -qm ${qm}
    DEPENDS ${ts} VERBATIM)
  list(APPEND qtr70_qm_files ${qm})
endforeach()
add_custom_target(qtr70_translations ALL DEPENDS ${qtr70_qm_files})
install(FILES ${qtr70_qm_files} DESTINATION ${QTR70_QM_INSTALL_DIR})

add_custom_target(update_translations
  COMMAND Qt6::lupdate -silent -no-obsolete -locations none src tools -ts ${QTR70_TS_FILES}
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} VERBATIM)

# Where the programs look for the .qm files: beside an installed program,
# else in this build tree.
target_compile_definitions(qtr70app PRIVATE
  QTR70_TRANSLATIONS_INSTALLED="../${QTR70_QM_INSTALL_DIR}"
  QTR70_TRANSLATIONS_BUILT="${QTR70_QM_DIR}")
foreach(program qtr70-clone qtr70)
  if(TARGET ${program})
    add_dependencies(${program} qtr70_translations)
  endif()
endforeach()
