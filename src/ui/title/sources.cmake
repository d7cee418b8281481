target_sources(zantor_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/frmTitleScreen.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmTitleScreenFiles.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TitlePaintCommand.cpp
)
