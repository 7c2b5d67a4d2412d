target_sources(lumatik_windows PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/qtext.h
  ${CMAKE_CURRENT_LIST_DIR}/qtext.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_front.h
  ${CMAKE_CURRENT_LIST_DIR}/window_front.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_frame.h
  ${CMAKE_CURRENT_LIST_DIR}/window_frame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt_translations.h
  ${CMAKE_CURRENT_LIST_DIR}/qt_translations.cpp
  ${CMAKE_CURRENT_LIST_DIR}/forms.h
  ${CMAKE_CURRENT_LIST_DIR}/forms.cpp
  ${CMAKE_CURRENT_LIST_DIR}/unitstart.h
  ${CMAKE_CURRENT_LIST_DIR}/unitstart.cpp
  ${CMAKE_CURRENT_LIST_DIR}/luinput.h
  ${CMAKE_CURRENT_LIST_DIR}/luinput.cpp
  ${CMAKE_CURRENT_LIST_DIR}/luabbrechen.h
  ${CMAKE_CURRENT_LIST_DIR}/luabbrechen.cpp
)
