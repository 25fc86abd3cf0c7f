// The layer's side of Desktop.h for the arguments and the messages: a program with a terminal,
// where argv is already UTF-8 and standard error is where messages go.

#include <cstdio>

#include "Desktop.h"

std::vector<std::string> Desktop::arguments(int argc, char** argv) { return {argv + 1, argv + argc}; }

void Desktop::showError(const std::string& message) { std::fprintf(stderr, "twistblocks: %s\n", message.c_str()); }

void Desktop::showText(const std::string& text) { std::fputs(text.c_str(), stdout); }

void Desktop::suppressMessageBoxes() {}

void Desktop::scaleWithDisplay(int, int) {}
