target_sources(zantor_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/TitleScreenWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TitleScreenFiles.cpp
)
