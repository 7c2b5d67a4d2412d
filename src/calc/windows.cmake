target_sources(lumatik_windows PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/calculator_texts.h
  ${CMAKE_CURRENT_LIST_DIR}/rechne.h
  ${CMAKE_CURRENT_LIST_DIR}/rechne.cpp
)
