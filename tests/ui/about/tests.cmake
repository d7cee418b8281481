zantor_add_gui_test(tst_frminfo ${CMAKE_CURRENT_LIST_DIR}/tst_frmInfo.cpp)
