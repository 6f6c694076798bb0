#pragma once

namespace tovy {

// The program from the run-time's start to its exit status.
int Main(int argc, char **argv);

} // namespace tovy
