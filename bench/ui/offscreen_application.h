#pragma once

// The windows need a QApplication; the benchmarks share one for the whole run, drawing
// offscreen unless a platform is chosen in the environment.
void EnsureOffscreenApplication();
