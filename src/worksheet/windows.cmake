target_sources(lumatik_windows PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/windows/unitlsg.h
  ${CMAKE_CURRENT_LIST_DIR}/windows/unitlsg.cpp
)
target_sources(lumatik_windows PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/windows/unitlsg_continued_fraction.cpp
)
