target_sources(lumatik_windows PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/windows/qtext.h
  ${CMAKE_CURRENT_LIST_DIR}/windows/qtext.cpp
  ${CMAKE_CURRENT_LIST_DIR}/windows/window_front.h
  ${CMAKE_CURRENT_LIST_DIR}/windows/window_front.cpp
  ${CMAKE_CURRENT_LIST_DIR}/windows/window_frame.h
  ${CMAKE_CURRENT_LIST_DIR}/windows/window_frame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/windows/qt_translations.h
  ${CMAKE_CURRENT_LIST_DIR}/windows/qt_translations.cpp
  ${CMAKE_CURRENT_LIST_DIR}/windows/forms.h
  ${CMAKE_CURRENT_LIST_DIR}/windows/forms.cpp
  ${CMAKE_CURRENT_LIST_DIR}/windows/unitstart.h
  ${CMAKE_CURRENT_LIST_DIR}/windows/unitstart.cpp
  ${CMAKE_CURRENT_LIST_DIR}/windows/luinput.h
  ${CMAKE_CURRENT_LIST_DIR}/windows/luinput.cpp
  ${CMAKE_CURRENT_LIST_DIR}/windows/luabbrechen.h
  ${CMAKE_CURRENT_LIST_DIR}/windows/luabbrechen.cpp
)
