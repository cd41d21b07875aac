# Tests of the channel table.
