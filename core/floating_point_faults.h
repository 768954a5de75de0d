#pragma once

// IEEE exception flags as the arithmetic fault detector: clear them before a computation,
// then check them once it has stored its result. Division by zero, overflow and invalid
// operation are faults; underflow and inexact results are not.
void ClearFloatingPointFaults();

// Throws the RuntimeError of the first fault raised since the last clear.
void ThrowOnFloatingPointFault();
