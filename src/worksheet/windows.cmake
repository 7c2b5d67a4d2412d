target_sources(lumatik_windows PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/unitlsg.h
  ${CMAKE_CURRENT_LIST_DIR}/unitlsg.cpp
)
target_sources(lumatik_windows PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/continued_fraction_input.cpp
)
