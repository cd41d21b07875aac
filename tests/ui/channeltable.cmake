# Tests of the channel table.
kelmora_add_test(tst_channellistwidget.cpp kelmora_ui)
