zantor_add_gui_test(tst_mainwindow ${CMAKE_CURRENT_LIST_DIR}/tst_MainWindow.cpp)
zantor_add_gui_test(tst_editingtools ${CMAKE_CURRENT_LIST_DIR}/tst_EditingTools.cpp)
zantor_add_gui_test(tst_mainwindowobjects ${CMAKE_CURRENT_LIST_DIR}/tst_MainWindowObjects.cpp)
