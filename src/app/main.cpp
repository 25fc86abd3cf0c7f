// The demo's entry point. The capture tool runs the same program through
// runTwistblocksDemo, so the two cannot drift apart.

#include "app/TwistblocksDemo.h"

int main() { return runTwistblocksDemo(); }
