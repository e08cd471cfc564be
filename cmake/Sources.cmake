# The layers and the rule that tells which source belongs to which.
#
#   compat      src/compat (not ui/)              Qt Core
#   core        src/core                          compat
#   metodi, consulta, archivio, sommativa         core (engines: not frm*/mod*)
#   platform    src/compat/ui                     compat, Qt Widgets/PrintSupport/Network
#   windows     src/shell, frm*/mod* of every subsystem
#   program     src/main.cpp
#
# A source is a window-layer source when its name starts with frm or mod or
# it lies in a ui/ or shell/ folder; everything else in a subsystem folder is engine.
set(QV_ENGINES metodi consulta archivio sommativa)

function(quorvane_is_ui path out)
  get_filename_component(name "${path}" NAME)
  if(name MATCHES "^(frm|mod)" OR path MATCHES "/(ui|shell)/")
    set(${out} TRUE PARENT_SCOPE)
  else()
    set(${out} FALSE PARENT_SCOPE)
  endif()
endfunction()

function(quorvane_classify all engine_out ui_out)
  set(engine "")
  set(ui "")
  foreach(f IN LISTS all)
    quorvane_is_ui("${f}" is_ui)
    if(is_ui)
      list(APPEND ui "${f}")
    else()
      list(APPEND engine "${f}")
    endif()
  endforeach()
  set(${engine_out} "${engine}" PARENT_SCOPE)
  set(${ui_out} "${ui}" PARENT_SCOPE)
endfunction()

# The layer of a source below `root`/src: compat, core, one of QV_ENGINES,
# platform, windows or program.
function(quorvane_layer root path out)
  file(RELATIVE_PATH rel "${root}/src" "${path}")
  quorvane_is_ui("${path}" is_ui)
  if(rel MATCHES "^compat/ui/")
    set(layer platform)
  elseif(rel MATCHES "^compat/")
    set(layer compat)
  elseif(rel MATCHES "^core/")
    set(layer core)
  elseif(rel STREQUAL "main.cpp")
    set(layer program)
  elseif(is_ui OR rel MATCHES "^shell/")
    set(layer windows)
  else()
    string(REGEX REPLACE "/.*" "" layer "${rel}")
  endif()
  set(${out} ${layer} PARENT_SCOPE)
endfunction()

# Lists "src/file: include" (the path below `root`, so the text is the same
# wherever the tree lies) for every source of the lower layers (compat, core,
# the engines) whose includes reach above its layer: a Qt module other than
# Core, a window or shell procedure (frm*, mod*, shell/), the platform layer
# (compat/ui/) or another subsystem's engine.
function(quorvane_check_layers root files out)
  set(bad "")
  set(qt_forbidden "QtGui|QtWidgets|QtPrintSupport|QtNetwork|QtCharts|QtTest|QtOpenGL")
  set(classes "Q(Application|GuiApplication|Widget|MainWindow|Dialog|MessageBox|Color|Font|Pixmap|Image|Painter|Printer|Network[A-Za-z]*|Chart[A-Za-z]*|PushButton|Label|LineEdit|ComboBox|CheckBox|TreeWidget|ListWidget|Action|Menu|Screen|Palette|Icon|Cursor|Clipboard|DesktopServices)")
  foreach(f IN LISTS files)
    quorvane_layer("${root}" "${f}" layer)
    if(layer STREQUAL "compat")
      set(allowed "compat")
    elseif(layer STREQUAL "core")
      set(allowed "compat|core")
    elseif(layer IN_LIST QV_ENGINES)
      set(allowed "compat|core|${layer}")
    else()
      continue()
    endif()
    file(STRINGS "${f}" lines REGEX "^[ \t]*#[ \t]*include")
    foreach(l IN LISTS lines)
      set(wrong FALSE)
      if(l MATCHES "[<\"](${qt_forbidden})/" OR l MATCHES "[<\"]${classes}[>\"]")
        set(wrong TRUE)
      elseif(l MATCHES "\"([A-Za-z_]+)/([^\"]*)\"")
        set(dir "${CMAKE_MATCH_1}")
        set(rest "${CMAKE_MATCH_2}")
        get_filename_component(hname "${rest}" NAME)
        if(NOT dir MATCHES "^(${allowed})$" OR rest MATCHES "^ui/" OR hname MATCHES "^(frm|mod)")
          set(wrong TRUE)
        endif()
      elseif(l MATCHES "\"(frm|mod)[^\"]*\"")
        set(wrong TRUE)
      endif()
      if(wrong)
        file(RELATIVE_PATH rel "${root}" "${f}")
        list(APPEND bad "${rel}: ${l}")
      endif()
    endforeach()
  endforeach()
  string(REPLACE ";" "\n" bad "${bad}")
  set(${out} "${bad}" PARENT_SCOPE)
endfunction()

# Stops with the list of `bad` includes, one a line. The lines go out as plain
# notices, which CMake never wraps, so they read the same at any path length.
function(quorvane_refuse_layers bad)
  string(REPLACE "\n" ";" lines "${bad}")
  list(LENGTH lines n)
  foreach(l IN LISTS lines)
    message(NOTICE "layer: ${l}")
  endforeach()
  message(FATAL_ERROR "${n} include(s) above their layer, listed above")
endfunction()
