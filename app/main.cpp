#include "app/StartUp.h"

int main(int argc, char** argv) { return RunQuellbay(argc, argv); }
