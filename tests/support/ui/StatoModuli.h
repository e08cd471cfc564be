#pragma once
// Every module variable of the shell procedures and windows back to its
// value at program start, before each window test: no test sees what an
// earlier one left behind (archive, period, wheel choices, monthly index,
// loading flag, colours, restrictions, current window, settings file).
void azzeraStatoModuli();
