zantor_add_gui_test(tst_frmtitlescreen ${CMAKE_CURRENT_LIST_DIR}/tst_frmTitleScreen.cpp)
# The editor's screen is compared with what the command line draws.
target_compile_definitions(tst_frmtitlescreen PRIVATE ZANTOR_TOOL_PATH="$<TARGET_FILE:zantor-tool>")
add_dependencies(tst_frmtitlescreen zantor-tool)
