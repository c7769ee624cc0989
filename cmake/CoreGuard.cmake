# Makes any QtWidgets include inside a target a compile error.
#
# The Qt include root is on every Qt target's include path, so
# <QtWidgets/QWidget> would otherwise resolve even without linking Qt6::Widgets.
# We generate a shadow folder holding one header per QtWidgets header, each an
# #error, and put it first on the guarded target's include path.
function(qtr70_forbid_widgets target)
  set(guard_root ${CMAKE_BINARY_DIR}/widgets-guard)
  if(NOT EXISTS ${guard_root}/QtWidgets/QWidget)
    set(widgets_dir "")
    foreach(root ${Qt6Core_INCLUDE_DIRS} ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_HEADERS})
      if(EXISTS ${root}/QtWidgets)
        set(widgets_dir ${root}/QtWidgets)
      endif()
      get_filename_component(parent ${root} DIRECTORY)
      if(NOT widgets_dir AND EXISTS ${parent}/QtWidgets)
        set(widgets_dir ${parent}/QtWidgets)
      endif()
    endforeach()
    file(MAKE_DIRECTORY ${guard_root}/QtWidgets)
    set(names QWidget QtWidgets qwidget.h QMainWindow QDialog QMessageBox QApplication)
    if(widgets_dir)
      file(GLOB found RELATIVE ${widgets_dir} ${widgets_dir}/*)
      list(APPEND names ${found})
    endif()
    list(REMOVE_DUPLICATES names)
    foreach(name ${names})
      file(WRITE ${guard_root}/QtWidgets/${name}
        "#error \"the core library must not use QtWidgets (${name})\"\n")
    endforeach()
  endif()
  target_include_directories(${target} BEFORE PRIVATE ${guard_root})
endfunction()
