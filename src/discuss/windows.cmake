target_sources(lumatik_windows PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/windows/unit4sb.h
  ${CMAKE_CURRENT_LIST_DIR}/windows/unit4sb.cpp
)
