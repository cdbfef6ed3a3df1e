#pragma once
// A listening TCP socket on 127.0.0.1, the one address the tests reach.

// Listens at `port`, or at a port the system chooses when it is 0, stored in `port`, and
// returns the descriptor; throws std::runtime_error when the socket cannot listen.
int ListenOnLoopback(int& port);
