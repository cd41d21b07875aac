#pragma once

// Modes of kelmora-bench that print memory figures instead of running the
// timed rows; each runs in a process of its own, so that a peak belongs to
// that mode alone.
namespace MemoryBench {

// What `--peak-memory <what>` measures after opening the full HD file in the
// shown window.
enum class PeakAfter {
    TableRebuilds, // the table rebuilt ten times, no step in the history
    ChannelDeletes, // 100 single-channel deletes, each an undo step
    SatelliteDeletes, // 100 satellite deletes, each an undo step
};

// Prints the process's peak resident memory after that work.
int measurePeakMemory(PeakAfter after);
// A full HD store (no window) with a full history of renames, each of
// another channel; prints what the history holds.
int measureHistoryMemory();

} // namespace MemoryBench
