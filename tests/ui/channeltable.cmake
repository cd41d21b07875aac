# Tests of the channel table.
kelmora_add_test(tst_channellistwidget.cpp kelmora_ui)
kelmora_add_test(tst_selectcolumnsdialog.cpp kelmora_ui)
kelmora_add_test(tst_channeltablemodel.cpp kelmora_ui)
