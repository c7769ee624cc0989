# The source folders are layers, lowest first. Each is a library of its own
# whose include root holds links to itself and to the folders below it
# only, so that an include naming a folder above ("shell/MainWindow.h" from
# src/edit) does not compile. Includes always name their folder.
set(QTR70_LAYERS codec app files link session report edit shell)
# What each layer may include besides itself.
set(QTR70_BELOW_codec "")
set(QTR70_BELOW_app codec)
set(QTR70_BELOW_files codec app)
set(QTR70_BELOW_link codec files)
set(QTR70_BELOW_session codec app files link)
set(QTR70_BELOW_report codec app files link session)
set(QTR70_BELOW_edit codec app files link session)
set(QTR70_BELOW_shell codec app files link session report edit)

# The include root of `layer`: a folder of links in the build tree.
function(qtr70_layer_root layer out)
  set(root ${CMAKE_BINARY_DIR}/layers/${layer})
  foreach(dir ${QTR70_BELOW_${layer}} ${layer})
    if(NOT EXISTS ${root}/${dir})
      file(MAKE_DIRECTORY ${root})
      file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${dir} ${root}/${dir} SYMBOLIC)
    endif()
  endforeach()
  set(${out} ${root} PARENT_SCOPE)
endfunction()

# The library qtr70<layer>, its sources listed by src/<layer>/CMakeLists.txt.
function(qtr70_add_layer layer)
  add_library(qtr70${layer} STATIC)
  qtr70_layer_root(${layer} root)
  target_include_directories(qtr70${layer} PUBLIC $<BUILD_INTERFACE:${root}>)
  foreach(dir ${QTR70_BELOW_${layer}})
    if(TARGET qtr70${dir})
      target_link_libraries(qtr70${layer} PUBLIC qtr70${dir})
    endif()
  endforeach()
  target_link_libraries(qtr70${layer} PRIVATE qtr70_warnings)
  add_subdirectory(src/${layer})
endfunction()
