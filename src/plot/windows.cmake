target_sources(lumatik_windows PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/paint/qpainter_canvas.h
  ${CMAKE_CURRENT_LIST_DIR}/paint/qpainter_canvas.cpp
  ${CMAKE_CURRENT_LIST_DIR}/windows/unit3sb.h
  ${CMAKE_CURRENT_LIST_DIR}/windows/unit3sb.cpp
  ${CMAKE_CURRENT_LIST_DIR}/windows/plotter_texts.h
  ${CMAKE_CURRENT_LIST_DIR}/windows/unit1sb.h
  ${CMAKE_CURRENT_LIST_DIR}/windows/unit1sb.cpp
  ${CMAKE_CURRENT_LIST_DIR}/windows/unit1sb_examples.cpp
  ${CMAKE_CURRENT_LIST_DIR}/windows/unit2sb.h
  ${CMAKE_CURRENT_LIST_DIR}/windows/unit2sb.cpp
)
target_sources(lumatik_windows PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/windows/unit1sb_secant.cpp
  ${CMAKE_CURRENT_LIST_DIR}/windows/unit1sb_printing.cpp
)
