target_sources(lumatik_windows PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/windows/calculator_texts.h
  ${CMAKE_CURRENT_LIST_DIR}/windows/rechne.h
  ${CMAKE_CURRENT_LIST_DIR}/windows/rechne.cpp
)
