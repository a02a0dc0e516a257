#pragma once

namespace pellamar {

// Settings of the process that must be in place before the QApplication is
// made; the program and the start-up benchmark both call it first.
void PrepareWindowProcess();

}  // namespace pellamar
