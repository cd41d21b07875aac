#pragma once

// Modes of kelmora-bench that print memory figures instead of running the
// timed rows; each runs best in a process of its own.
namespace MemoryBench {

// The editor with the fullest HD file open and its table rebuilt ten
// times; prints the process's peak resident memory.
int measurePeakMemory();
// A full HD store (no window) with a full history of renames, each of
// another channel; prints what the history holds.
int measureHistoryMemory();

} // namespace MemoryBench
