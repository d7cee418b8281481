target_sources(zantor_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/AboutBox.cpp
)
