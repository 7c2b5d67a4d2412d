target_sources(lumatik_windows PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/windows/marker_window.h
  ${CMAKE_CURRENT_LIST_DIR}/windows/marker_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/windows/unit_ba1.h
  ${CMAKE_CURRENT_LIST_DIR}/windows/unit_ba1.cpp
  ${CMAKE_CURRENT_LIST_DIR}/windows/unit_ba2.h
  ${CMAKE_CURRENT_LIST_DIR}/windows/unit_ba2.cpp
  ${CMAKE_CURRENT_LIST_DIR}/windows/unit_ba3.h
  ${CMAKE_CURRENT_LIST_DIR}/windows/unit_ba3.cpp
  ${CMAKE_CURRENT_LIST_DIR}/windows/unit_ba4.h
  ${CMAKE_CURRENT_LIST_DIR}/windows/unit_ba4.cpp
)
