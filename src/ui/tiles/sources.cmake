target_sources(zantor_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/TileSetWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TileSetFiles.cpp
)
