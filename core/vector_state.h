#pragma once

// On some x86 processors, SSE arithmetic slows to about half speed while the upper halves of
// the AVX registers hold data that other code (the toolkit's drawing routines) left there.
// Clears them before a long arithmetic loop; does nothing where there is no such state.
void ClearUpperVectorState();
