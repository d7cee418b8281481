zantor_add_gui_test(tst_tilesetwindow ${CMAKE_CURRENT_LIST_DIR}/tst_TileSetWindow.cpp)
