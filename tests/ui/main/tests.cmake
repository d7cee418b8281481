zantor_add_gui_test(tst_frmmain ${CMAKE_CURRENT_LIST_DIR}/tst_frmMain.cpp)
zantor_add_gui_test(tst_frmmaineditors ${CMAKE_CURRENT_LIST_DIR}/tst_frmMainEditors.cpp)
zantor_add_gui_test(tst_frmmainfaults ${CMAKE_CURRENT_LIST_DIR}/tst_frmMainFaults.cpp)
