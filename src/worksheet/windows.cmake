target_sources(lumatik_windows PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/windows/unitlsg.h
  ${CMAKE_CURRENT_LIST_DIR}/windows/unitlsg.cpp
)
target_sources(lumatik_windows PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/windows/continued_fraction_input.cpp
)
