zantor_add_gui_test(tst_mainwindow ${CMAKE_CURRENT_LIST_DIR}/tst_MainWindow.cpp)
zantor_add_gui_test(tst_editingtools ${CMAKE_CURRENT_LIST_DIR}/tst_EditingTools.cpp)
zantor_add_gui_test(tst_tiledmenu ${CMAKE_CURRENT_LIST_DIR}/tst_TiledMenu.cpp)
zantor_add_gui_test(tst_eventsscreens ${CMAKE_CURRENT_LIST_DIR}/tst_EventsScreens.cpp)
