#pragma once

#include <QtGlobal>

// The marks and codes that the snapshot's writer and reader agree on.
namespace SnapshotEncoding {

// Marks the layout of a whole snapshot; bytes of another layout are refused.
constexpr char FormatTag = 'K';
constexpr char FormatVersion = 1;

// Single-bit flags 1 << 0 to 1 << 30 go into a mask.
constexpr int FlagBits = 31;

enum RememberedForm : quint8 { NoRememberedName = 0, RememberedAsNamed = 1, RememberedOtherText = 2 };

} // namespace SnapshotEncoding
