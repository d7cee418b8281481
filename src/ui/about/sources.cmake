target_sources(zantor_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/frmInfo.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PlaceholderWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmCredits.h
    ${CMAKE_CURRENT_LIST_DIR}/frmSprite.h
    ${CMAKE_CURRENT_LIST_DIR}/frmOverworld.h
    ${CMAKE_CURRENT_LIST_DIR}/frmMusic.h
    ${CMAKE_CURRENT_LIST_DIR}/frmTileset.h
    ${CMAKE_CURRENT_LIST_DIR}/frmRepoint.h
)
