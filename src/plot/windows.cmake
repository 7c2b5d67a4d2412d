target_sources(lumatik_windows PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/qpainter_canvas.h
  ${CMAKE_CURRENT_LIST_DIR}/qpainter_canvas.cpp
  ${CMAKE_CURRENT_LIST_DIR}/unit3sb.h
  ${CMAKE_CURRENT_LIST_DIR}/unit3sb.cpp
  ${CMAKE_CURRENT_LIST_DIR}/plotter_texts.h
  ${CMAKE_CURRENT_LIST_DIR}/unit1sb.h
  ${CMAKE_CURRENT_LIST_DIR}/unit1sb.cpp
  ${CMAKE_CURRENT_LIST_DIR}/unit1sb_examples.cpp
  ${CMAKE_CURRENT_LIST_DIR}/unit2sb.h
  ${CMAKE_CURRENT_LIST_DIR}/unit2sb.cpp
)
target_sources(lumatik_windows PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/secant_menu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/graph_printing.cpp
)
